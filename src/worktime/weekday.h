#pragma once

namespace tabrel {

// Weekday numbers as the calendar keeps them: 1 = Sunday, 2 = Monday ... 7 = Saturday.
constexpr int kSunday = 1;
constexpr int kMonday = 2;
constexpr int kFriday = 6;
constexpr int kSaturday = 7;

// Weekday of a Gregorian date.
int weekday_of(int year, int month, int day);

}  // namespace tabrel
