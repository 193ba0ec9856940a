#pragma once

#include <string>

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

// The month selector's item (cp1250): "Styczeń" ... "Grudzień".
std::string month_name(int month);

}  // namespace tabrel
