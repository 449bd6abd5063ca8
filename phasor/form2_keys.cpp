#include "phasor/form2.h"
#include "ui/help_window.h"
#include "ui/shortcuts.h"
#include "ui/snapshot.h"

namespace {

ui::HelpRows keyRows() {
    ui::HelpRows rows = {{"Strg+S", "Bild speichern: das Fenster, wie es zu sehen ist, als "
                                    "PNG-Datei; die Animation läuft weiter"}};
    for (const ui::HelpRows& more :
         {ui::copyKeyRow(),
          {{"F1", "diese Hilfe"}},
          ui::lineWeightRows(),
          ui::controlKeyRows(),
          {{"---->", "nur mit der Maus: Leertaste und Eingabetaste wirken hier nicht"},
           {"Pfeil links, Pfeil rechts im Wellenbild",
            "verschieben den Zeigerpunkt um einen Punkt, wie „<----“ und „---->“"},
           {"Pos1, Ende im Wellenbild", "zum ersten oder letzten Punkt der Wellen"}},
          ui::sliderKeyRows()})
        rows.insert(rows.end(), more.begin(), more.end());
    return rows;
}

ui::HelpPage phasorHelp(const QString& caption) {
    return {
        "Hilfe: " + caption.trimmed(),
        {{"Maus",
          {{"Linksklick in die Wellen",
            "der Punkt unter der Maus wird zum Zeigerpunkt; der Kasten darüber zeigt seine "
            "Zeiger"},
           {"Ziehen mit gedrückter linker Taste", "verschiebt den Zeigerpunkt längs der Wellen"},
           {"Mit dem Finger", "Tippen wie Linksklick, Ziehen wie mit gedrückter linker Taste"}}},
         {"Knöpfe und Regler",
          {{"Start W1/Menu",
            "startet die Animation; während sie läuft, hält „Menu“ sie an und führt zurück "
            "zum Menü"},
           {"Welle 2 on/off", "schaltet die Welle W2 ein und aus"},
           {"Summe on/off", "schaltet die Summenwelle ein und aus"},
           {"Vektorsumme W1+W2",
            "wechselt zwischen den Zeigern W1 und W2 nebeneinander und ihrer Vektorsumme"},
           {"---->  und  <----", "verschieben den Zeigerpunkt um einen Punkt"},
           {"Wellenlänge", "15 bis 42 Punktabstände"},
           {"Geschwindigkeit", "0 bis 2; bei 0 stehen die Wellen still"},
           {"Phasenverschiebung", "W1 gegen W2, 0 bis 50 Punktabstände"},
           {"Schließen des Fensters", "beendet das Programm"}}},
         {"Tasten", keyRows()}}};
}

} // namespace

void Form2::installKeys() {
    ui::installWindowKeys(
        window(), shell_,
        {[this] { ui::savePicture(*this, "wellenzeiger-zeiger"); },
         [this] { ui::copyPicture(*this); },
         {},
         [this] { ui::showHelp(window(), [this] { return phasorHelp(caption()); }); }});
}
