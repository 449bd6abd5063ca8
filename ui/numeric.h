#pragma once
// The numeric types of the window state and the checked arithmetic that
// reports a failure instead of wrapping around or reading out of bounds.

#include <array>
#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace ui {

using Integer = std::int16_t; // 16-bit signed
using Single = float;
using Double = double;

// A run-time error of a window operation: the handler (or the animation step)
// that raised it is abandoned and the failure reported. The message is German:
// the user may read it.
struct RuntimeError : std::runtime_error {
    using std::runtime_error::runtime_error;
};
struct OverflowError : RuntimeError {
    OverflowError() : RuntimeError("Überlauf") {}
};
struct SubscriptError : RuntimeError {
    SubscriptError() : RuntimeError("Index außerhalb des Bereichs") {}
};
struct DrawingError : RuntimeError {
    DrawingError() : RuntimeError("Zeichnung außerhalb jedes Bildschirms") {}
};

// Stores a whole number in 16 bits; throws OverflowError when it does not fit.
inline Integer toInteger(long long value) {
    if (value < INT16_MIN || value > INT16_MAX)
        throw OverflowError();
    return static_cast<Integer>(value);
}

// Stores a floating-point value in 16 bits, rounding halves to even.
inline Integer toInteger(double value) {
    if (!std::isfinite(value))
        throw OverflowError();
    const double rounded = std::nearbyint(value);
    if (rounded < INT16_MIN || rounded > INT16_MAX)
        throw OverflowError();
    return static_cast<Integer>(rounded);
}

inline Integer add(Integer a, Integer b) {
    return toInteger(static_cast<long long>(a) + b);
}
inline Integer subtract(Integer a, Integer b) {
    return toInteger(static_cast<long long>(a) - b);
}
inline Integer multiply(Integer a, Integer b) {
    return toInteger(static_cast<long long>(a) * b);
}

// A value stored as Single; throws OverflowError for results that are not finite.
inline Single toSingle(double value) {
    const auto single = static_cast<Single>(value);
    if (!std::isfinite(single))
        throw OverflowError();
    return single;
}

// A fixed array indexed 0 to Size - 1; any other index throws SubscriptError.
template <typename T, int Size> class Table {
public:
    T& operator()(int index) {
        check(index);
        return items_[static_cast<std::size_t>(index)];
    }
    const T& operator()(int index) const {
        check(index);
        return items_[static_cast<std::size_t>(index)];
    }
    static constexpr int size() { return Size; }

private:
    static void check(int index) {
        if (index < 0 || index >= Size)
            throw SubscriptError();
    }
    std::array<T, Size> items_{};
};

} // namespace ui
