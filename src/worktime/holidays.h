#pragma once

#include <array>

namespace tabrel {

struct MonthDay {
    int month;  // 1..12
    int day;    // 1..31
    bool operator==(const MonthDay&) const = default;
};

// Easter Sunday of a Gregorian year.
MonthDay easter_sunday(int year);

// The 13 statutory holidays of a year in their fixed order: 1 and 6 January, Easter Sunday and
// Monday, 1 and 3 May, Corpus Christi, 15 August, 1 and 11 November, 24, 25 and 26 December.
using StatutoryHolidays = std::array<MonthDay, 13>;
StatutoryHolidays zaladuj_swieta(int year);

}  // namespace tabrel
