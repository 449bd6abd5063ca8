#include "app/app.h"
#include "app/form1.h"
#include "ui/help_window.h"
#include "ui/shortcuts.h"

namespace {

ui::HelpRows keyRows() {
    ui::HelpRows rows = {{"F1", "diese Hilfe; in jedem Fenster die Hilfe zu diesem Fenster"},
                         {"Strg+S, Strg+C, Strg+Umschalt+S",
                          "wirken hier nicht, nur in den beiden Vorführungen (siehe deren Hilfe)"}};
    for (const ui::HelpRows& more : {ui::lineWeightRows(), ui::controlKeyRows()})
        rows.insert(rows.end(), more.begin(), more.end());
    return rows;
}

ui::HelpPage menuHelp(const QString& caption) {
    return {
        "Hilfe: " + caption.trimmed(),
        {{"Knöpfe",
          {{"Zeigerformalismus", "öffnet das Fenster der Phasenzeiger; das Menü wird ausgeblendet"},
           {"Huyghenssches Prinzip", "öffnet das Fenster des Wellenfelds über dem Menü"},
           {"Ende", "beendet das Programm"},
           {"Mit dem Finger", "Tippen wirkt wie ein Mausklick"},
           {"Schließen eines Fensters", "beendet das Programm"}}},
         {"Tasten", keyRows()}}};
}

} // namespace

void Form1::installKeys() {
    ui::installWindowKeys(
        window(), app_,
        {{}, {}, {}, [this] { ui::showHelp(window(), [this] { return menuHelp(caption()); }); }});
}
