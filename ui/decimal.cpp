#include "ui/decimal.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>

namespace ui {

std::string shortestDecimalByTrial(float value) {
    // Every finite float reads back from 46 decimals (the smallest is 1.4e-45).
    constexpr int mostDecimals = 46;
    char digits[128];
    for (int decimals = 0;; ++decimals) {
        std::snprintf(digits, sizeof digits, "%.*f", decimals, static_cast<double>(value));
        if (std::strtof(digits, nullptr) == value || decimals == mostDecimals)
            return digits;
    }
}

std::string shortestDecimal(float value) {
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
    char digits[64];
    const auto end = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed);
    return std::string(digits, end.ptr);
#else
    return shortestDecimalByTrial(value);
#endif
}

} // namespace ui
