#include "worktime/holidays.h"

#include "model/calendar.h"

namespace tabrel {

namespace {

MonthDay add_days(int year, MonthDay date, int days) {
    date.day += days;
    while (date.day > days_in_month(year, date.month)) {
        date.day -= days_in_month(year, date.month);
        ++date.month;
    }
    return date;
}

}  // namespace

MonthDay easter_sunday(int year) {
    const int c = year / 100;
    const int s = (3 * c + 3) / 4 - 12;
    int e = (11 * (year % 19) + (8 * c + 13) / 25 - s + 26) % 30;
    if (e < 0) e += 30;
    if ((e == 25 && year % 19 > 10) || e == 24) ++e;
    int p = 44 - e;
    if (p <= 20) p = 74 - e;
    const int d = p - (p + (5 * year / 4 - s - 10)) % 7 + 7;
    return d <= 31 ? MonthDay{3, d} : MonthDay{4, d - 31};
}

StatutoryHolidays zaladuj_swieta(int year) {
    const MonthDay easter = easter_sunday(year);
    return {MonthDay{1, 1},
            MonthDay{1, 6},
            easter,
            add_days(year, easter, 1),
            MonthDay{5, 1},
            MonthDay{5, 3},
            add_days(year, easter, 60),
            MonthDay{8, 15},
            MonthDay{11, 1},
            MonthDay{11, 11},
            MonthDay{12, 24},
            MonthDay{12, 25},
            MonthDay{12, 26}};
}

}  // namespace tabrel
