#include "huygens/form3.h"
#include "ui/help_window.h"
#include "ui/save_file.h"
#include "ui/shortcuts.h"
#include "ui/snapshot.h"

#include <QDir>

namespace {

const QString saveAmplitudesTitle = "Amplitudenverteilung speichern";

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

// Why there is no table to save, for the user; empty when there is one.
QString whyNoTable(huygens::PlotFault fault) {
    const QString again = "\n\nEin Rechtsklick ins Wellenfeld berechnet sie neu.";
    switch (fault) {
    case huygens::PlotFault::None:
        return {};
    case huygens::PlotFault::NoScan:
        return "Es gibt noch keine Amplitudenverteilung zu speichern.\n\nEin Rechtsklick ins "
               "Wellenfeld berechnet sie längs eines Schnitts.";
    case huygens::PlotFault::Running:
        return "Die Amplitudenverteilung wird noch berechnet.\n\nSie kann gespeichert werden, "
               "sobald die Berechnung fertig ist.";
    case huygens::PlotFault::SettingChanged:
        return "Während der letzten Berechnung wurde die Zahl der Elementarwellen oder die "
               "Wellenlänge geändert: die Amplitudenverteilung gehört zu keiner einzelnen "
               "Einstellung und wird nicht gespeichert." +
               again;
    case huygens::PlotFault::Nested:
        return "In die letzte Berechnung hinein wurde eine weitere gestartet: die "
               "Amplitudenverteilung mischt zwei Berechnungen und wird nicht gespeichert." +
               again;
    case huygens::PlotFault::Interrupted:
        return "Die letzte Berechnung wurde nicht zu Ende geführt; ihre Amplitudenverteilung "
               "wird nicht gespeichert." +
               again;
    }
    return {};
}

} // namespace

void Form3::installKeys() {
    ui::installWindowKeys(window(),
                          {[this] { ui::savePicture(*this, "wellenzeiger-huygens"); },
                           [this] { ui::copyPicture(*this); }, [this] { saveAmplitudes(); },
                           [this] { ui::showHelp(window(), huygensHelp(caption())); },
                           [this](int weight) { shell_.changeLineWeight(weight); }});
}

// The table of the scan the plot shows, taken now: a scan started while the
// dialog is open does not change what is saved.
void Form3::saveAmplitudes() {
    if (const QString why = whyNoTable(plotRecord.fault()); !why.isEmpty()) {
        ui::showMessage(window(), saveAmplitudesTitle, why);
        return;
    }
    const QByteArray table = huygens::amplitudeCsv(plotRecord.table(), QLocale());
    const ui::SaveRequest request{
        saveAmplitudesTitle,
        QDir(ui::userFolder(QStandardPaths::DocumentsLocation))
            .filePath(ui::timestampedName("wellenzeiger-amplituden", "csv",
                                          QDateTime::currentDateTime())),
        "CSV-Tabelle (*.csv)", "csv"};
    ui::askAndSave(window(), request, [table] { return table; });
}
