#pragma once

namespace tabrel {

struct YearMonth {
    int year;
    int month;  // 1..12
    bool operator==(const YearMonth&) const = default;
};

// "tb_MonthNext" and "tb_MonthPrev": one month on, or back, crossing the year in January and
// December.
YearMonth next_month(YearMonth shown);
YearMonth previous_month(YearMonth shown);

}  // namespace tabrel
