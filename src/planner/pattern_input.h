#pragma once

#include <string_view>

namespace tabrel {

// The key filter of both pattern fields: Backspace, Enter and the digits from "0" up to the
// group's number of shifts pass (with ten shifts or more only "0" and "1"); the field swallows
// any other key with a beep.
bool pattern_key_passes(char key, int shift_count);

struct SpinRange {
    int minimum = 1;
    int maximum = 1;
};

// The range of a start spin: from 1 to the length of its pattern, at least 1.
SpinRange start_spin_range(std::string_view pattern);

}  // namespace tabrel
