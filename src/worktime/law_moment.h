#pragma once

#include <cstdint>
#include <string>

namespace tabrel {

// A moment of the law check's time line as a calendar date and a clock time.
struct LawMoment {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;    // 1..31
    int minute_of_day = 0;
};

// `minutes` counted from the first midnight of month `month` (1..12) of `year`; negative ones
// fall into the months before.
LawMoment law_moment(int year, int month, int64_t minutes);

// "YYYY-MM-DDTHH:MM".
std::string iso_moment(const LawMoment& m);

}  // namespace tabrel
