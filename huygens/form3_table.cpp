// Saving the amplitude plot as a table (Ctrl+Shift+S), or saying why not.

#include "huygens/form3.h"
#include "ui/save_file.h"
#include "ui/snapshot.h"

#include <QDir>

namespace {

const QString saveAmplitudesTitle = "Amplitudenverteilung speichern";

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
