#include "ui/line_weight.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace ui {
namespace {

int weight_ = normalWeight;

constexpr double projectorContrast = 4.5;

double linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(Colour colour) {
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) +
           0.0722 * linear(qBlue(colour));
}

Colour scaled(Colour colour, double factor) {
    const auto part = [factor](int channel) { return static_cast<int>(channel * factor); };
    return RGB(part(qRed(colour)), part(qGreen(colour)), part(qBlue(colour)));
}

// The brightest colour of the same hue with the contrast: its channels all
// scaled down by the same factor.
Colour darkened(Colour colour, Colour background) {
    double low = 0, high = 1;
    for (int step = 0; step < 20; ++step) {
        const double middle = (low + high) / 2;
        (contrastRatio(scaled(colour, middle), background) >= projectorContrast ? low : high) =
            middle;
    }
    return scaled(colour, low);
}

} // namespace

int lineWeight() {
    return weight_;
}

void setLineWeight(int weight) {
    weight_ = std::clamp(weight, normalWeight, maximumWeight);
}

double contrastRatio(Colour a, Colour b) {
    const double first = luminance(a), second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

Colour shownColour(Colour colour, Colour background, int weight) {
    if (weight == normalWeight || colour == background)
        return colour;
    // A drawing uses a handful of colours: each is worked out once.
    static std::map<std::pair<Colour, Colour>, Colour> known;
    const auto [at, isNew] = known.try_emplace({colour, background}, colour);
    if (isNew && contrastRatio(colour, background) < projectorContrast)
        at->second = darkened(colour, background);
    return at->second;
}

} // namespace ui
