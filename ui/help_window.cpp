#include "ui/help_window.h"

#include "ui/desktop.h"
#include "ui/line_weight.h"

#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace ui {
namespace {

const char* const helpWindowName = "helpWindow";

// Room around the text, and the least the help leaves of the text's width.
constexpr int textMargin = 12;
constexpr int textWidth = 520;

// A help belongs to its window: when the program hides the window (or unloads
// it), its help goes too. A window the user minimises keeps it.
class HelpWindow : public QDialog {
public:
    HelpWindow(QWidget& owner, std::function<HelpPage()> page)
        : QDialog(&owner), page_(std::move(page)) {
        setObjectName(helpWindowName);
        text_ = new QLabel;
        text_->setTextFormat(Qt::RichText);
        text_->setWordWrap(true);
        text_->setMargin(textMargin);
        text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        scroll_ = new QScrollArea;
        scroll_->setWidget(text_);
        scroll_->setWidgetResizable(true);
        scroll_->setFrameShape(QFrame::NoFrame);
        scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(scroll_);
        owner.installEventFilter(this);
    }

    void setPage(std::function<HelpPage()> page) { page_ = std::move(page); }

    void refresh() {
        const HelpPage page = page_();
        setWindowTitle(page.title);
        text_->setText(helpText(page));
    }

    // As large as its text, at most nine tenths of the work area less the
    // window's frame (a resizable window may get a thicker frame than the
    // program's fixed-size windows), and placed over the middle of its
    // window but with its frame within the work area.
    void fitToScreen() {
        const QRect area = workArea();
        const QMargins frame = windowFrame();
        const QSize room = area.marginsRemoved(frame).size() * 9 / 10;
        const int width = std::min(textWidth + 2 * textMargin + scrollBarWidth(), room.width());
        const int wanted = text_->heightForWidth(width - scrollBarWidth());
        resize(width, std::min(wanted, room.height()));
        QRect placed = QRect(QPoint(), size()).marginsAdded(frame);
        placed.moveCenter(parentWidget()->window()->geometry().center());
        placed.moveLeft(std::clamp(placed.left(), area.left(), area.right() + 1 - placed.width()));
        placed.moveTop(std::clamp(placed.top(), area.top(), area.bottom() + 1 - placed.height()));
        move(placed.topLeft()); // a window's position is its frame's
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == parent() && event->type() == QEvent::Hide && !event->spontaneous())
            close();
        return false;
    }

private:
    int scrollBarWidth() const { return style()->pixelMetric(QStyle::PM_ScrollBarExtent); }

    std::function<HelpPage()> page_;
    QLabel* text_;
    QScrollArea* scroll_;
};

HelpWindow* helpOf(QWidget& window) {
    return window.findChild<HelpWindow*>(helpWindowName, Qt::FindDirectChildrenOnly);
}

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

void showHelp(QWidget& window, std::function<HelpPage()> page) {
    HelpWindow* help = helpOf(window);
    if (help)
        help->setPage(std::move(page));
    else
        help = new HelpWindow(window, std::move(page)); // a window of its own; Esc closes it
    help->refresh();
    if (!help->isVisible())
        help->fitToScreen();
    help->show();
    help->raise();
    help->activateWindow();
}

void refreshHelp(QWidget& window) {
    if (HelpWindow* help = helpOf(window))
        help->refresh();
}

} // namespace ui
