#pragma once

#include <ctime>

namespace tabrel {

// A calendar date: year, month 1..12, day 1..31.
struct Date {
    int year;
    int month;
    int day;
};

// The one way the program reads the time, so that month and year ends can be tested.
struct Clock {
    virtual Date today() const = 0;       // the local date
    virtual std::time_t now() const = 0;  // the moment, in seconds since the epoch
    virtual ~Clock() = default;
};

// The computer's clock, in local time.
struct SystemClock final : Clock {
    Date today() const override;
    std::time_t now() const override;
};

// The one system clock the programs hand down.
const Clock& system_clock();

}  // namespace tabrel
