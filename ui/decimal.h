#pragma once
// Numbers written for other programs (a spreadsheet reading the CSV table).

#include <string>

namespace ui {

// The shortest decimal that reads back as the same single-precision value,
// never in exponent form.
std::string shortestDecimal(float value);

// The same, found by trying one decimal more at a time; used where the
// standard library has no floating-point to_chars (the browser's). Past 2^24,
// where floats are whole numbers, it writes all integer digits exactly
// instead of the shortest digits padded with zeros.
std::string shortestDecimalByTrial(float value);

} // namespace ui
