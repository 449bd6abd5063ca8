#pragma once
// Repaints changed surfaces at most once per display refresh, however often
// the program draws or processes events in between.

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <vector>

namespace ui {

class Surface;

class Presenter : public QObject {
    Q_OBJECT
public:
    static Presenter& instance();

    // A surface has something new to show.
    void schedule(Surface* surface);
    void forget(Surface* surface);
    // Repaints every changed surface now (at the next event processing).
    void presentNow();
    // Repaints every changed surface at once, before returning, and leaves
    // the repaints of the next `holdMs` to the caller's next frame: a running
    // animation shows each frame as it stood when it was complete, never a
    // half-drawn one.
    void presentFrame(int holdMs);

    // Runs `action` as an event handler once everything drawn so far is on
    // screen: at once when nothing waits to be repainted, otherwise right
    // after the next repaint (during an animation: when its frame is complete).
    void whenShown(std::function<void()> action);

    static constexpr int refreshMs = 16;

private:
    explicit Presenter(QObject* parent);
    void presentAll(int holdMs);
    std::vector<QPointer<Surface>> pending_;
    QTimer timer_;
    QElapsedTimer sinceLast_;
    int holdMs_ = 0; // counted from the last repaint
    std::vector<std::function<void()>> whenShown_;
};

} // namespace ui
