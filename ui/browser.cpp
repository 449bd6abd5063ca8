#include "ui/browser.h"

#include "ui/failure.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <emscripten.h>

// The loader (data/web/loader.js) gives the module the function that shows
// the end page.
EM_JS(void, showEndPageInBrowser, (), {
    if (Module["wellenzeigerEnded"])
        Module["wellenzeigerEnded"]();
});

EM_JS(int, browserCanCopyImages, (), {
    return !!(window.isSecureContext && navigator.clipboard && navigator.clipboard.write &&
              window.ClipboardItem);
});

namespace ui::browser {
namespace {

// The page has no window manager: windows are shown in their own size, and
// when a window of the program hides (a help window, a message), the window
// it belongs to gets the keyboard, or else the last visible window.
class WindowKeeper : public QObject {
protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        // Every event of the program passes here: only three kinds matter.
        const QEvent::Type type = event->type();
        if (type != QEvent::Polish && type != QEvent::Show && type != QEvent::Hide)
            return false;
        auto* widget = qobject_cast<QWidget*>(object);
        // Qt would draw a maximise button on the page for windows of a fixed
        // size too; the flag is taken off before the window is made.
        if (event->type() == QEvent::Polish && widget && widget->isWindow() &&
            widget->minimumSize() == widget->maximumSize())
            widget->setWindowFlag(Qt::WindowMaximizeButtonHint, false);
        // Qt shows every window full screen in the browser; the program's
        // windows keep their own sizes, as on a desktop.
        if (event->type() == QEvent::Show && widget && widget->isWindow() &&
            widget->windowState().testFlag(Qt::WindowFullScreen))
            widget->setWindowState(widget->windowState() & ~Qt::WindowFullScreen);
        if (event->type() == QEvent::Hide && widget && widget->isWindow())
            QTimer::singleShot(0, [owner = QPointer<QWidget>(widget->parentWidget())] {
                activateWindowBelow(owner);
            });
        return false;
    }

private:
    static void activateWindowBelow(QWidget* owner) {
        if (const QWidget* active = QApplication::activeWindow(); active && active->isVisible())
            return;
        QWidget* below = owner ? owner->window() : nullptr;
        if (!below || !below->isVisible()) {
            below = nullptr;
            for (QWidget* window : QApplication::topLevelWidgets())
                if (window->isVisible())
                    below = window;
        }
        if (below)
            below->activateWindow();
    }
};

} // namespace

void preparePage() {
    for (const char* font :
         {":/fonts/LiberationSans-Regular.ttf", ":/fonts/LiberationSans-Bold.ttf"})
        if (QFontDatabase::addApplicationFont(QString::fromLatin1(font)) < 0)
            writeReport(QStringLiteral("wellenzeiger: Schrift %1 nicht ladbar").arg(font));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icon.png")));
    static WindowKeeper keeper;
    qApp->installEventFilter(&keeper);
}

void showEndPage() {
    showEndPageInBrowser();
}

bool canCopyImages() {
    return browserCanCopyImages() != 0;
}

} // namespace ui::browser
