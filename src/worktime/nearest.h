#pragma once

#include <cstdint>

namespace tabrel {

// x rounded to the nearest whole number, halves to even (79:37.5 gives 79:38, 0.5 gives 0).
// Values beyond the 64-bit range stop at its ends; not-a-number gives 0.
int64_t nearest(double x);

}  // namespace tabrel
