#pragma once

namespace tabrel {

// The shift a pattern character names: its digit, 0 ("no duty") for anything else.
inline int pattern_digit(char c) {
    return c >= '0' && c <= '9' ? c - '0' : 0;
}

}  // namespace tabrel
