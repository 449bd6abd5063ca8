#include "ui/shortcuts.h"

#include "ui/line_weight.h"
#include "ui/runtime.h"
#include "ui/shell.h"

#include <QShortcut>

namespace ui {
namespace {

void bind(QWidget& window, QKeySequence keys, const std::function<void()>& action) {
    if (!action)
        return;
    auto* shortcut = new QShortcut(keys, &window); // owned by the window
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, &window, [action] { runHandler(action); });
}

} // namespace

void installWindowKeys(QWidget& window, Shell& shell, const WindowKeys& keys) {
    bind(window, QKeySequence(Qt::CTRL | Qt::Key_S), keys.savePicture);
    bind(window, QKeySequence(Qt::CTRL | Qt::Key_C), keys.copyPicture);
    bind(window, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), keys.saveData);
    bind(window, QKeySequence(Qt::Key_F1), keys.showHelp);
    const auto set = [&shell](int weight) { shell.changeLineWeight(weight); };
    bind(window, QKeySequence(Qt::CTRL | Qt::Key_Plus), [set] { set(lineWeight() + 1); });
    bind(window, QKeySequence(Qt::CTRL | Qt::Key_Minus), [set] { set(lineWeight() - 1); });
    bind(window, QKeySequence(Qt::CTRL | Qt::Key_0), [set] { set(normalWeight); });
#ifdef Q_OS_WASM
    // Browsers keep Strg+Plus and Strg+Minus for the page's zoom: there
    // the keys alone set the weight too.
    bind(window, QKeySequence(Qt::Key_Plus), [set] { set(lineWeight() + 1); });
    bind(window, QKeySequence(Qt::Key_Minus), [set] { set(lineWeight() - 1); });
    bind(window, QKeySequence(Qt::Key_0), [set] { set(normalWeight); });
#endif
}

} // namespace ui
