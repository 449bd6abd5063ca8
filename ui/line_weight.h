#pragma once
// The projector setting: every line, circle and dot of every drawing drawn
// once, twice or three times as wide, and from double weight on the light
// colours darkened, so that a washed-out projector picture still shows them.

#include "ui/colour.h"

namespace ui {

constexpr int normalWeight = 1;
constexpr int maximumWeight = 3;

int lineWeight();
void setLineWeight(int weight); // kept within normalWeight to maximumWeight

// The contrast of two colours, from 1 (equal) to 21 (black on white), as the
// accessibility guidelines for the web define it.
double contrastRatio(Colour a, Colour b);

// The colour a drawing shows on `background` at `weight`: at normal weight,
// and for the background itself (which erases), the colour as given; else a
// colour of less contrast than 4.5 to 1 against the background darkened,
// its hue kept, until it has that contrast.
Colour shownColour(Colour colour, Colour background, int weight);

} // namespace ui
