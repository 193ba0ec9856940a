#include "planner/pattern_input.h"

#include <algorithm>
#include <string>

namespace tabrel {

namespace {

constexpr char kBackspace = 8;
constexpr char kEnter = 13;

}  // namespace

bool pattern_key_passes(char key, int shift_count) {
    if (key == kBackspace || key == kEnter) return true;
    const char highest = std::to_string(std::max(shift_count, 0))[0];
    return key >= '0' && key <= highest;
}

SpinRange start_spin_range(std::string_view pattern) {
    return {1, std::max<int>(static_cast<int>(pattern.size()), 1)};
}

}  // namespace tabrel
