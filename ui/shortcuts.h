#pragma once
// The keys every window offers on top of its controls: saving and copying
// what it shows, saving its data, its help and the projector's line weight.

#include <QWidget>
#include <functional>

namespace ui {

class Shell;

// What a window does on each key; an empty action leaves the key unused.
struct WindowKeys {
    std::function<void()> savePicture; // Ctrl+S
    std::function<void()> copyPicture; // Ctrl+C
    std::function<void()> saveData;    // Ctrl+Shift+S
    std::function<void()> showHelp;    // F1
};

// Binds the keys to the window (active while it or any of its controls has the
// focus), and the projector's line weight for all windows: one more
// (Ctrl+Plus), one less (Ctrl+Minus), normal (Ctrl+0). Each action runs as
// an event handler.
void installWindowKeys(QWidget& window, Shell& shell, const WindowKeys& keys);

} // namespace ui
