#include "worktime/nearest.h"

#include <cmath>
#include <limits>

namespace tabrel {

int64_t nearest(double x) {
    if (std::isnan(x)) return 0;
    constexpr double kLimit = 9.0e18;
    if (x >= kLimit) return std::numeric_limits<int64_t>::max();
    if (x <= -kLimit) return std::numeric_limits<int64_t>::min();
    const double below = std::floor(x);
    const double fraction = x - below;
    auto whole = static_cast<int64_t>(below);
    if (fraction > 0.5 || (fraction == 0.5 && whole % 2 != 0)) ++whole;
    return whole;
}

}  // namespace tabrel
