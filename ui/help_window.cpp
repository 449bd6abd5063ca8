#include "ui/help_window.h"

#include <QDialog>
#include <QLabel>
#include <QVBoxLayout>

namespace ui {
namespace {

const char* const helpWindowName = "helpWindow";

} // namespace

HelpRows commonKeyRows() {
    return {{"Esc", "schließt diese Hilfe"},
            {"Tab", "wählt das nächste Bedienelement"},
            {"Pfeiltasten", "verstellen den gewählten Regler"},
            {"Leertaste", "drückt den gewählten Knopf"}};
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
        help = new QDialog(&window); // a window of its own; Esc closes it
        help->setObjectName(helpWindowName);
        help->setAttribute(Qt::WA_DeleteOnClose);
        help->setWindowTitle(page.title);
        auto* text = new QLabel(helpText(page), help);
        text->setTextFormat(Qt::RichText);
        text->setWordWrap(true);
        text->setMinimumWidth(520);
        auto* layout = new QVBoxLayout(help);
        layout->addWidget(text);
    }
    help->show();
    help->raise();
    help->activateWindow();
}

} // namespace ui
