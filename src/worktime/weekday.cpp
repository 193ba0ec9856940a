#include "worktime/weekday.h"

#include <chrono>

namespace tabrel {

int weekday_of(int year, int month, int day) {
    using namespace std::chrono;
    const sys_days date{std::chrono::year{year} / static_cast<unsigned>(month) /
                        static_cast<unsigned>(day)};
    return static_cast<int>(weekday{date}.c_encoding()) + 1;
}

}  // namespace tabrel
