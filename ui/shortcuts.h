#pragma once
// The keys every window offers on top of its controls: saving and copying
// what it shows, saving its data, its help and the projector's line weight.

#include <QWidget>
#include <functional>

namespace ui {

// What a window does on each key; an empty action leaves the key unused.
struct WindowKeys {
    std::function<void()> savePicture; // Ctrl+S
    std::function<void()> copyPicture; // Ctrl+C
    std::function<void()> saveData;    // Ctrl+Shift+S
    std::function<void()> showHelp;    // F1
    // The projector's line weight to set: one more (Ctrl+Plus), one less
    // (Ctrl+Minus), normal (Ctrl+0).
    std::function<void(int weight)> setLineWeight;
};

// Binds the keys to the window (active while it or any of its controls has the
// focus); each action runs as an event handler.
void installWindowKeys(QWidget& window, const WindowKeys& keys);

} // namespace ui
