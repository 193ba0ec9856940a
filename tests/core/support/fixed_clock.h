#pragma once

#include "base/clock.h"

namespace tabrel::test {

// A clock standing still at noon (local time) of one date.
class FixedClock final : public Clock {
public:
    explicit FixedClock(Date date) : date_(date) {}
    Date today() const override { return date_; }
    std::time_t now() const override {
        std::tm local{};
        local.tm_year = date_.year - 1900;
        local.tm_mon = date_.month - 1;
        local.tm_mday = date_.day;
        local.tm_hour = 12;
        local.tm_isdst = -1;
        return std::mktime(&local);
    }

private:
    Date date_;
};

}  // namespace tabrel::test
