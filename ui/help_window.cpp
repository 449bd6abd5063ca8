#include "ui/help_window.h"

#include "ui/line_weight.h"

#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace ui {
namespace {

const char* const helpWindowName = "helpWindow";

// A help belongs to its window: when the program hides the window (or unloads
// it), its help goes too. A window the user minimises keeps it.
class HelpWindow : public QDialog {
public:
    explicit HelpWindow(QWidget& owner) : QDialog(&owner) { owner.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == parent() && event->type() == QEvent::Hide && !event->spontaneous())
            close();
        return false;
    }
};

} // namespace

HelpRows controlKeyRows() {
    return {{"Esc", "schließt diese Hilfe"},
            {"Tab, Umschalt+Tab",
             "wählt das nächste oder vorige Bedienelement; ein Rahmen oder Kreuz zeigt es"},
            {"Leertaste, Eingabetaste", "drücken den gewählten Knopf"}};
}

HelpRows sliderKeyRows() {
    return {{"Pfeiltasten auf einem Regler", "verstellen ihn um einen kleinen Schritt"},
            {"Bild auf, Bild ab auf einem Regler", "um einen großen Schritt"},
            {"Pos1, Ende auf einem Regler", "an den Anfang oder das Ende"}};
}

HelpRows copyKeyRow() {
    return {{"Strg+C", "das Bild des Fensters in die Zwischenablage kopieren; in einem "
                       "Zahlenfeld mit markiertem Text diesen Text"}};
}

HelpRows lineWeightRows() {
    const QString now[] = {"normal", "doppelt", "dreifach"};
    HelpRows rows = {
        {"Strg+Plus, Strg+Minus", "Linienstärke für den Beamer: dicker, dünner (jetzt " +
                                      now[lineWeight() - 1] +
                                      "); gilt für alle Fenster und bleibt für den nächsten Start"},
        {"Strg+0", "normale Linienstärke"}};
#ifdef Q_OS_WASM
    rows.push_back({"Plus, Minus, 0", "dasselbe ohne Strg, denn im Browser vergrößern Strg+Plus "
                                      "und Strg+Minus oft die Seite"});
#endif
    return rows;
}

// One table for all sections, so that their columns line up.
QString helpText(const HelpPage& page) {
    QString html = "<table cellspacing='4'>";
    for (const HelpSection& section : page.sections) {
        html += "<tr><td colspan='2'><h3>" + section.heading.toHtmlEscaped() + "</h3></td></tr>";
        for (const auto& [action, effect] : section.rows)
            html += "<tr><td><b>" + action.toHtmlEscaped() + "</b></td><td>" +
                    effect.toHtmlEscaped() + "</td></tr>";
    }
    return html + "</table>";
}

void showHelp(QWidget& window, const HelpPage& page) {
    auto* help = window.findChild<QDialog*>(helpWindowName, Qt::FindDirectChildrenOnly);
    if (!help) {
        help = new HelpWindow(window); // a window of its own; Esc closes it
        help->setObjectName(helpWindowName);
        help->setWindowTitle(page.title);
        auto* text = new QLabel(help);
        text->setTextFormat(Qt::RichText);
        text->setWordWrap(true);
        text->setMinimumWidth(520);
        auto* layout = new QVBoxLayout(help);
        layout->addWidget(text);
    }
    help->findChild<QLabel*>()->setText(helpText(page));
    help->show();
    help->raise();
    help->activateWindow();
}

} // namespace ui
