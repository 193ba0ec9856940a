#include <gtest/gtest.h>

#include <string>

#include "planner/eight_hour_placement.h"
#include "planner/pattern_input.h"
#include "planner/rotation.h"
#include "support/ward_fixture.h"

namespace tabrel {
namespace {

using test::Ward;

// June 2024: Saturday the 1st, Sundays 2, 9, 16, 23 and 30; no weekday holiday; 30 days.
// May 2024: Wednesday the 1st, Friday the 3rd and Thursday the 30th are holidays.
constexpr int kYear = 2024;
constexpr int kMay = 5;
constexpr int kJune = 6;
constexpr int kDayStart = 420;
constexpr int kNightStart = 1140;

// The month as the shift of each day's duty: "1", "2", or "." for a free day.
std::string shifts_of(const Ward& ward, const Worker& w) {
    std::string days;
    for (size_t d = 0; d < ward.roster.calendar.days.size(); ++d)
        days += w.duties[d].seq == 0 ? '.' : static_cast<char>('0' + w.duties[d].shift_no);
    return days;
}

Worker& rotation_worker(Ward& ward, const std::string& pattern, int start) {
    Worker& w = ward.worker();
    w.pref_system = true;
    w.pref_system_pattern = pattern;
    w.pref_system_start_from = static_cast<uint8_t>(start);
    return w;
}

Duty eight_template(uint16_t start = 0) {
    Duty d;
    d.duration = 455;
    d.start = start;
    d.worker_id = 5;
    d.group_id = 1;
    d.accepted = false;
    return d;
}

TEST(RotationPlacement, StartsFromTheStartCharacterOnEveryDay) {
    Ward ward(kYear, kJune);
    Worker& w = rotation_worker(ward, "1200", 3);
    place_rotation(ward.roster, ward.options, 0, 0);
    EXPECT_EQ(shifts_of(ward, w), "..12..12..12..12..12..12..12..");
    const Duty& night = w.duties[3];
    EXPECT_EQ(night.start, kNightStart);
    EXPECT_EQ(night.duration, 720);
    EXPECT_EQ(night.group_id, 1);
    EXPECT_EQ(night.worker_id, 5);
    EXPECT_FALSE(night.accepted);
    EXPECT_EQ(w.duty_count, 14);  // the summary follows each insertion

    Ward past_end(kYear, kJune);
    Worker& v = rotation_worker(past_end, "1200", 5);
    place_rotation(past_end.roster, past_end.options, 0, 0);
    EXPECT_EQ(shifts_of(past_end, v), ".12..12..12..12..12..12..12..1");
}

TEST(RotationPlacement, OffsetLeavesTheFirstDaysFreeAndHandDutiesStay) {
    Ward ward(kYear, kJune);
    Worker& w = rotation_worker(ward, "13", 1);  // no shift 3 in this group
    ward.duty(5, 2, kNightStart, 600);
    place_rotation(ward.roster, ward.options, 0, 2);
    EXPECT_EQ(shifts_of(ward, w), "..1.2.1.1.1.1.1.1.1.1.1.1.1.1.");
    EXPECT_EQ(w.duties[4].duration, 600);
    EXPECT_TRUE(w.duties[4].accepted);

    Ward weekly(kYear, kJune);
    Worker& v = rotation_worker(weekly, "1200", 1);
    v.pref_system_as_week = true;
    place_rotation(weekly.roster, weekly.options, 0, 0);
    EXPECT_EQ(shifts_of(weekly, v), std::string(30, '.'));
}

TEST(EightPlacement, StepsOnWorkingDaysAndPassesOverTakenOnes) {
    Ward ward(kYear, kMay);
    Worker& w = ward.worker();
    w.pref_8_shift_no = "12";
    ward.duty(7, 2, kNightStart, 720);
    EXPECT_TRUE(rozpisz_8(ward.roster, ward.options, 0, eight_template(), false));
    // Holidays 1, 3 and 30 and the weekends are skipped; the 7th is taken.
    EXPECT_EQ(shifts_of(ward, w), ".1...22121..21212..12121..212.1");
    EXPECT_EQ(w.duties[5].start, kNightStart);
    EXPECT_EQ(w.duties[7].start, kDayStart);
    EXPECT_EQ(w.duties[7].duration, 455);
    EXPECT_FALSE(w.duties[7].accepted);
    EXPECT_EQ(w.duties[6].duration, 720);
    EXPECT_EQ(w.duty_count, 0);  // without redisplay the summary waits for the caller

    Ward late(kYear, kJune);
    late.worker().pref_8_shift_no = "12";
    late.worker().pref_system_start_from8 = 2;
    EXPECT_TRUE(rozpisz_8(late.roster, late.options, 0, eight_template(480), true));
    EXPECT_EQ(shifts_of(late, late.worker()), "..21212..12121..21212..12121..");
    EXPECT_EQ(late.worker().duties[3].start, 480);  // the dialog's start is kept
    EXPECT_EQ(late.worker().duty_count, 20);
}

TEST(EightPlacement, WeekPatternChangesShiftOnMondaysAndTakesTheShiftStart) {
    Ward ward(kYear, kJune);
    Worker& w = ward.worker();
    w.pref_8_shift_no = "12";
    w.pref_system_as_week = true;
    rozpisz_8(ward.roster, ward.options, 0, eight_template(480), false);
    EXPECT_EQ(shifts_of(ward, w), "..11111..22222..11111..22222..");
    EXPECT_EQ(w.duties[2].start, kDayStart);
    EXPECT_EQ(w.duties[9].start, kNightStart);
}

TEST(EightPlacement, ShiftsTheGroupLacksBecomeItsLastAndAnEmptyPatternIsOne) {
    Ward ward(kYear, kJune);
    Worker& w = ward.worker();
    w.pref_8_shift_no = "7";
    rozpisz_8(ward.roster, ward.options, 0, eight_template(), false);
    EXPECT_EQ(shifts_of(ward, w), "..22222..22222..22222..22222..");
    EXPECT_EQ(w.pref_8_shift_no, "7");

    Ward empty(kYear, kJune);
    empty.worker().pref_8_shift_no = "";
    rozpisz_8(empty.roster, empty.options, 0, eight_template(), false);
    EXPECT_EQ(shifts_of(empty, empty.worker()), "..11111..11111..11111..11111..");

    Ward free_days(kYear, kJune);
    free_days.worker().pref_8_shift_no = "0";
    EXPECT_FALSE(rozpisz_8(free_days.roster, free_days.options, 0, eight_template(), true));
}

TEST(StartPositionReset, CountsRotationWorkersOfTheGroupInRegisterOrder) {
    Ward ward(kYear, kJune);
    ward.worker().pref_system = true;
    ward.worker().pref_system_pattern = "12";
    ward.worker().pref_system_start_from = 2;
    Worker& outsider = ward.hire(6);
    outsider.grupy = "2|";
    outsider.pref_system = true;
    outsider.pref_system_start_from = 3;
    Worker& no_pattern = ward.hire(7);
    no_pattern.pref_system = true;
    no_pattern.pref_system_pattern = "";
    for (uint16_t id : {8, 9}) {
        Worker& w = ward.hire(id);
        w.pref_system = true;
        w.pref_system_pattern = "10";
        w.old = id == 9;
    }
    Worker& eight = ward.hire(10);
    eight.pref_8 = true;
    eight.pref_system_start_from = 4;

    reset_start_positions(ward.roster);
    EXPECT_EQ(ward.worker(5).pref_system_start_from, 1);
    EXPECT_EQ(ward.worker(8).pref_system_start_from, 1);
    EXPECT_EQ(ward.worker(9).pref_system_start_from, 2);
    EXPECT_EQ(ward.worker(6).pref_system_start_from, 3);
    EXPECT_EQ(ward.worker(10).pref_system_start_from, 4);
}

TEST(PatternInput, KeysUpToTheShiftCountAndSpinsUpToThePatternLength) {
    const std::string two_shifts = "\b\r012";
    for (int c = 1; c < 256; ++c) {
        const char key = static_cast<char>(c);
        EXPECT_EQ(pattern_key_passes(key, 2), two_shifts.find(key) != std::string::npos) << c;
    }
    EXPECT_TRUE(pattern_key_passes('1', 10));
    EXPECT_FALSE(pattern_key_passes('2', 10));
    EXPECT_TRUE(pattern_key_passes('0', 0));
    EXPECT_FALSE(pattern_key_passes('1', 0));

    EXPECT_EQ(start_spin_range("1200").minimum, 1);
    EXPECT_EQ(start_spin_range("1200").maximum, 4);
    EXPECT_EQ(start_spin_range("").maximum, 1);
}

}  // namespace
}  // namespace tabrel
