#include "huygens/form3.h"
#include "ui/help_window.h"
#include "ui/shortcuts.h"
#include "ui/snapshot.h"

namespace {

ui::HelpRows keyRows() {
    ui::HelpRows rows = {
        {"Strg+S", "Bild speichern: das Fenster, wie es zu sehen ist, als PNG-Datei"}};
    for (const ui::HelpRows& more :
         {ui::copyKeyRow(),
          {{"Strg+Umschalt+S",
            "Amplitudenverteilung speichern: die Werte der letzten vollständigen Berechnung als "
            "CSV-Datei für die Tabellenkalkulation; während einer Berechnung, und wenn in "
            "sie hinein ein Regler bewegt oder eine weitere gestartet wurde, sagt eine "
            "Meldung, warum nichts gespeichert wird"},
           {"F1", "diese Hilfe"}},
          ui::lineWeightRows(),
          ui::controlKeyRows(),
          ui::sliderKeyRows(),
          {{"Pfeiltasten im Wellenfeld",
            "bewegen das blaue Kreuz um ein Hundertstel des Felds, mit Umschalt um ein Zehntel"},
           {"Eingabetaste im Wellenfeld", "wie ein Linksklick am Kreuz: Strahlen und Zeiger"},
           {"Pfeiltasten danach", "ziehen Strahlen und Zeigerkasten mit, wie die Maus"},
           {"Esc im Wellenfeld", "wie das Loslassen der Maustaste: die Strahlen verschwinden"},
           {"Umschalt+Eingabetaste im Wellenfeld",
            "wie ein Rechtsklick am Kreuz: die Amplitudenverteilung längs des Schnitts"}}})
        rows.insert(rows.end(), more.begin(), more.end());
    return rows;
}

ui::HelpPage huygensHelp(const QString& caption) {
    return {
        "Hilfe: " + caption.trimmed(),
        {{"Maus",
          {{"Linksklick ins Wellenfeld",
            "Strahlen zu allen Quellen; im Kasten „Zeiger und respektive Vektorsumme“ die "
            "Einzelzeiger am Punkt"},
           {"Ziehen mit gedrückter linker Taste",
            "Kasten und Strahlen folgen der Maus; alle Zeiger aneinandergehängt und ihre "
            "Resultierende (rot)"},
           {"Rechtsklick ins Wellenfeld",
            "berechnet die Amplitudenverteilung längs des senkrechten Schnitts durch den "
            "Punkt"},
           {"Klick in die Amplitudenverteilung", "schließt sie"},
           {"Mit dem Finger", "Tippen wie Linksklick, Ziehen wie mit gedrückter linker Taste, "
                              "eine halbe Sekunde still halten wie Rechtsklick"}}},
         {"Regler und Knöpfe",
          {{"Zahl der Elementarwellen", "3 bis 13 Quellen; das Wellenfeld wird neu gezeichnet"},
           {"Wellenlänge", "60 bis 200; das Wellenfeld wird neu gezeichnet"},
           {"Cls im Zeigerkasten", "schließt den Zeigerkasten"},
           {"Cls in der Amplitudenverteilung", "schließt sie und löscht Strahlen und Schnittlinie"},
           {"Menu", "zurück zum Menü; das Fenster behält sein Bild"},
           {"Schließen des Fensters", "beendet das Programm"}}},
         {"Tasten", keyRows()}}};
}

} // namespace

void Form3::installKeys() {
    ui::installWindowKeys(
        window(), shell_,
        {[this] { ui::savePicture(*this, "wellenzeiger-huygens"); },
         [this] { ui::copyPicture(*this); }, [this] { saveAmplitudes(); },
         [this] { ui::showHelp(window(), [this] { return huygensHelp(caption()); }); }});
}
