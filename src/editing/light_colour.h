#pragma once

#include <random>

#include "model/colour.h"

namespace tabrel {

// A colour pale enough for black text: red, green and blue each 120 + 0..134.
Colour random_light_colour(std::mt19937& random);

// The same from a generator seeded once per run.
Colour random_light_colour();

}  // namespace tabrel
