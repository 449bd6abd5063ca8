#include "../support/support.h"

#include "app/form1.h"
#include "app/translation.h"
#include "phasor/form2.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QRegularExpression>
#include <QTimer>

namespace {

// The entries of the context menu that a right click on `widget` opens. The
// menu is a modal popup (a slider's runs its own event loop): it is read and
// closed from the event loop as soon as it shows.
QStringList contextMenuEntries(QWidget* widget) {
    QStringList entries;
    bool seen = false;
    auto readAndClose = [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (const QAction* action : menu->actions())
            if (!action->isSeparator())
                entries << action->text().section('\t', 0, 0); // without the shortcut
        menu->close();
        seen = true;
    };
    QTimer::singleShot(0, readAndClose);
    const QPoint centre = widget->rect().center();
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, centre, widget->mapToGlobal(centre));
    QApplication::sendEvent(widget, &rightClick);
    for (int round = 0; !seen && round < 100; ++round) {
        readAndClose();
        QCoreApplication::processEvents();
    }
    EXPECT_TRUE(seen) << "no context menu opened";
    return entries;
}

// Qt's own English words in these menus.
const QRegularExpression
    english("Scroll|edge|Page|Top|Bottom|Undo|Redo|Cut|Copy|Paste|Delete|Select");

void expectGerman(const QStringList& entries, const QString& expected) {
    EXPECT_TRUE(entries.contains(expected)) << entries.join(", ").toStdString();
    for (QString entry : entries)
        EXPECT_FALSE(entry.remove('&').contains(english)) << entry.toStdString();
}

} // namespace

TEST_F(AppTest, ContextMenusOfSlidersAndNumberBoxesAreGerman) {
    const auto translation = installGermanQtTranslation(qtTranslationsDirectory());
    ASSERT_TRUE(translation);
    app->form1().Command2_Click();
    Form2& phasor = app->form2();

    expectGerman(contextMenuEntries(phasor.HScroll1), "Hierher scrollen");
    // Read-only or not, a number box offers copying.
    expectGerman(contextMenuEntries(phasor.Text1), "&Kopieren");
}

TEST_F(AppTest, WithoutTheTranslationQtTextsStayEnglishAndOneLineSaysSo) {
    testing::internal::CaptureStderr();
    const auto translation = installGermanQtTranslation("/nonexistent");
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(translation);
    EXPECT_EQ(said,
              "wellenzeiger: Qt-Übersetzung qtbase_de nicht gefunden in /nonexistent, Qt-Texte "
              "bleiben englisch\n");
    EXPECT_EQ(QCoreApplication::translate("QScrollBar", "Scroll here"), "Scroll here");
}
