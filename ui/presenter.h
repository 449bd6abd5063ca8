#pragma once
// Repaints changed surfaces at most once per display refresh, however often
// the program draws or processes events in between.

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
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
    // Repaints every changed surface now.
    void presentNow();

    static constexpr int refreshMs = 16;

private:
    explicit Presenter(QObject* parent);
    std::vector<QPointer<Surface>> pending_;
    QTimer timer_;
    QElapsedTimer sinceLast_;
};

} // namespace ui
