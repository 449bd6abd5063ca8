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
        {"Strg+S", "Bild speichern: das Fenster, wie es zu sehen ist, als PNG-Datei"},
        {"Strg+C", "das Bild des Fensters in die Zwischenablage kopieren"},
        {"Strg+Umschalt+S", "Amplitudenverteilung speichern: die Werte der letzten Berechnung "
                            "als CSV-Datei für die Tabellenkalkulation"},
        {"F1", "diese Hilfe"}};
    for (auto& row : ui::commonKeyRows())
        rows.push_back(row);
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
           {"Klick in die Amplitudenverteilung", "schließt sie"}}},
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
    ui::installWindowKeys(window(),
                          {[this] { ui::savePicture(*this, "wellenzeiger-huygens"); },
                           [this] { ui::copyPicture(*this); }, [this] { saveAmplitudes(); },
                           [this] { ui::showHelp(window(), huygensHelp(caption())); }});
}

// The table of the last complete scan, as it is now: a scan running meanwhile
// does not change what is saved.
void Form3::saveAmplitudes() {
    if (!lastScan) {
        ui::showMessage(window(), saveAmplitudesTitle,
                        "Es gibt noch keine Amplitudenverteilung zu speichern.\n\nEin Rechtsklick "
                        "ins Wellenfeld berechnet sie längs eines Schnitts.");
        return;
    }
    const QByteArray table = huygens::amplitudeCsv(*lastScan, QLocale());
    const ui::SaveRequest request{
        saveAmplitudesTitle,
        QDir(ui::userFolder(QStandardPaths::DocumentsLocation))
            .filePath(ui::timestampedName("wellenzeiger-amplituden", "csv",
                                          QDateTime::currentDateTime())),
        "CSV-Tabelle (*.csv)", "csv"};
    ui::askAndSave(window(), request, [table] { return table; });
}
