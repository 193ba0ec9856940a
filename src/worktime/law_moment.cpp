#include "worktime/law_moment.h"

#include <cstdio>

#include "model/calendar.h"

namespace tabrel {

namespace {

constexpr int64_t kDay = 1440;

}  // namespace

LawMoment law_moment(int year, int month, int64_t minutes) {
    int64_t day = minutes / kDay - (minutes % kDay < 0 ? 1 : 0);
    const int64_t clock = minutes - day * kDay;
    while (day < 0) {
        if (--month == 0) month = 12, --year;
        day += days_in_month(year, month);
    }
    while (day >= days_in_month(year, month)) {
        day -= days_in_month(year, month);
        if (++month == 13) month = 1, ++year;
    }
    return {year, month, static_cast<int>(day + 1), static_cast<int>(clock)};
}

std::string iso_moment(const LawMoment& m) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d", m.year, m.month, m.day,
                  m.minute_of_day / 60, m.minute_of_day % 60);
    return text;
}

}  // namespace tabrel
