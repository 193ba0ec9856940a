#include "base/clock.h"

namespace tabrel {

Date SystemClock::today() const {
    const std::time_t at = now();
    std::tm local{};
    localtime_r(&at, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

std::time_t SystemClock::now() const {
    return std::time(nullptr);
}

const Clock& system_clock() {
    static const SystemClock clock;
    return clock;
}

}  // namespace tabrel
