#pragma once
// A window's reference to one of its controls. The controls go with their
// window when it is unloaded and destroyed; the reference then knows it, and
// using it fails like any window operation (a RuntimeError that abandons the
// handler or the animation step) instead of touching a destroyed object.

#include "ui/numeric.h"

#include <QPointer>

namespace ui {

struct UnloadedError : RuntimeError {
    UnloadedError() : RuntimeError("Fenster nicht geladen") {}
};

template <typename T> class ControlPtr {
public:
    ControlPtr() = default;
    ControlPtr(T* control) : control_(control) {}

    T* get() const {
        if (!control_)
            throw UnloadedError();
        return control_.data();
    }
    T* operator->() const { return get(); }
    T& operator*() const { return *get(); }
    // The control, or null once it is gone.
    operator T*() const { return control_.data(); }

private:
    QPointer<T> control_;
};

} // namespace ui
