#include "ui/presenter.h"

#include "ui/runtime.h"
#include "ui/surface.h"

#include <QCoreApplication>
#include <algorithm>

namespace ui {

Presenter& Presenter::instance() {
    // Owned by the application object, so that its timer goes with it.
    static QPointer<Presenter> presenter;
    if (!presenter)
        presenter = new Presenter(QCoreApplication::instance());
    return *presenter;
}

Presenter::Presenter(QObject* parent) : QObject(parent) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &Presenter::presentNow);
    sinceLast_.start();
}

void Presenter::schedule(Surface* surface) {
    if (std::find(pending_.begin(), pending_.end(), surface) == pending_.end())
        pending_.emplace_back(surface);
    if (!timer_.isActive()) {
        const int wait = std::max(refreshMs, holdMs_) - static_cast<int>(sinceLast_.elapsed());
        timer_.start(std::max(0, wait));
    }
}

void Presenter::forget(Surface* surface) {
    pending_.erase(std::remove(pending_.begin(), pending_.end(), surface), pending_.end());
}

void Presenter::presentNow() {
    presentAll(0);
}

// The changed surfaces are repainted through their windows' pending update
// requests, so that each window is painted and flushed once, not once per
// surface; no other event is processed.
void Presenter::presentFrame(int holdMs) {
    presentAll(holdMs);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
}

void Presenter::presentAll(int holdMs) {
    timer_.stop();
    auto surfaces = std::move(pending_);
    pending_.clear();
    for (const auto& surface : surfaces)
        if (surface)
            surface->present();
    sinceLast_.restart();
    holdMs_ = holdMs;
    auto actions = std::move(whenShown_);
    whenShown_.clear();
    for (const auto& action : actions)
        runHandler(action);
}

void Presenter::whenShown(std::function<void()> action) {
    const bool allShown = std::none_of(pending_.begin(), pending_.end(),
                                       [](const QPointer<Surface>& surface) { return surface; });
    if (allShown)
        runHandler(action);
    else
        whenShown_.push_back(std::move(action));
}

} // namespace ui
