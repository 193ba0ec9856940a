#include <gtest/gtest.h>

#include "model/day_off_type.h"
#include "support/ward_fixture.h"
#include "worktime/hour_split.h"
#include "worktime/summary_boxes.h"

namespace tabrel {
namespace {

using test::Ward;

constexpr int kDayShift = 1;
constexpr int kNightShift = 2;

TimeValue kind_minutes(const Worker& w, char kind) {
    return w.summary.kind_minutes[*day_off_index(kind)];
}

// May 2024: Wednesday 1st and Friday 3rd are holidays, Thursday 2nd and 9th are working days.
TEST(HourSplit, DayAndNightDutiesBeforeWorkingDaysAndHolidays) {
    Ward w(2024, 5);
    for (uint16_t id : {6, 7, 8}) w.hire(id);
    w.duty(8, kDayShift, 420, 720, 0, 1, 5);
    w.duty(1, kDayShift, 420, 720, 0, 1, 6);
    w.duty(8, kNightShift, 1140, 720, 0, 1, 7);
    w.duty(2, kNightShift, 1140, 720, 0, 1, 8);

    auto day = w.refresh(5);
    ASSERT_EQ(day.size(), 32u);
    EXPECT_EQ(w.worker(5).summary.hours_D, 720);
    EXPECT_EQ(day[7].symbol, "D");
    EXPECT_EQ(day[7].shown_minutes, 720);

    auto holiday = w.refresh(6);
    EXPECT_EQ(w.worker(6).summary.hours_S, 720);
    EXPECT_EQ(w.worker(6).summary.hours_D, 0);
    EXPECT_EQ(holiday[0].symbol, "S");

    auto night = w.refresh(7);
    const WorkerMonthSummary& n = w.worker(7).summary;
    EXPECT_EQ(n.hours_D, 240);
    EXPECT_EQ(n.hours_N, 480);
    EXPECT_EQ(n.hours_S, 0);
    EXPECT_EQ(n.worked_total, 720);
    EXPECT_EQ(w.worker(7).duty_count, 1);
    EXPECT_EQ(night[7].night_minutes, 480);
    EXPECT_EQ(night[7].day_minutes, 180);
    EXPECT_EQ(night[7].next_day_minutes, 60);
    EXPECT_EQ(night[8].symbol, "D");
    EXPECT_EQ(night[8].shown_minutes, 60);

    auto before_holiday = w.refresh(8);
    EXPECT_EQ(w.worker(8).summary.hours_D, 180);
    EXPECT_EQ(w.worker(8).summary.hours_N, 480);
    EXPECT_EQ(w.worker(8).summary.hours_S, 60);
    EXPECT_EQ(before_holiday[2].symbol, "S");
    EXPECT_EQ(before_holiday[2].shown_minutes, 60);
}

TEST(HourSplit, NightOnAHolidayCountsAsHolidayWhenTheGroupSaysSo) {
    Ward w(2024, 5);
    w.roster.groups[0].profile.noc_w_swieto_jak_swieto = true;
    w.duty(1, kNightShift, 1140, 720);
    auto rows = w.refresh();
    const WorkerMonthSummary& s = w.worker().summary;
    EXPECT_EQ(s.hours_S, 660);
    EXPECT_EQ(s.hours_N, 0);
    EXPECT_EQ(s.hours_D, 60);
    EXPECT_EQ(rows[0].symbol, "S");
    EXPECT_EQ(rows[0].shown_minutes, 660);
    EXPECT_EQ(rows[0].day_minutes, 660);
    EXPECT_EQ(rows[0].night_minutes, 0);
}

TEST(HourSplit, WorkingDayFromSevenKeepsTheLastNightHourOnTheDutyDay) {
    Ward w(2024, 5);
    w.options.doba_od = 420;
    w.duty(8, kNightShift, 1140, 720);
    auto rows = w.refresh();
    EXPECT_EQ(w.worker().summary.hours_D, 240);
    EXPECT_EQ(w.worker().summary.hours_N, 480);
    EXPECT_EQ(rows[7].day_minutes, 240);
    EXPECT_EQ(rows[7].next_day_minutes, 0);
    EXPECT_EQ(rows[8].symbol, "");
}

TEST(HourSplit, TheLastNightOfTheMonthLooksAtTheNextMonthsFirstDay) {
    Ward december(2024, 12);
    december.duty(31, kNightShift, 1140, 720);
    auto rows = december.refresh();
    ASSERT_EQ(rows.size(), 32u);
    EXPECT_EQ(december.worker().summary.hours_S, 60);
    EXPECT_EQ(rows[31].symbol, "S");
    EXPECT_EQ(rows[31].shown_minutes, 60);

    // 1 March 2025 is a Saturday.
    Ward february(2025, 2);
    february.duty(28, kNightShift, 1140, 720);
    auto feb = february.refresh();
    ASSERT_EQ(feb.size(), 29u);
    EXPECT_EQ(february.worker().summary.hours_D, 240);
    EXPECT_EQ(february.worker().summary.hours_D_saturday, 60);
    EXPECT_EQ(feb[28].symbol, "D");
}

TEST(HourSplit, AMorningDutyStartingInsideTheNightWindowHasANightPart) {
    Ward w(2024, 5);
    w.duty(8, kDayShift, 300, 720);
    w.refresh();
    EXPECT_EQ(w.worker().summary.hours_N, 60);
    EXPECT_EQ(w.worker().summary.hours_D, 660);
}

// Whatever the night window and wherever a duty starts, each of its minutes counts once.
TEST(HourSplit, EveryStartMinuteCountsTheWholeDuty) {
    const std::pair<TimeValue, TimeValue> nights[] = {
        {1320, 480}, {0, 480}, {1260, 600}, {1380, 420}, {360, 720}};
    for (const auto& [from, length] : nights) {
        Ward w(2025, 4);
        w.options.noc_od = from;
        w.options.noc_do = length;
        w.lay_out();
        for (int shift : {kDayShift, kNightShift}) {
            for (int duration : {600, 1440}) {
                for (int start = 1; start <= 1440; ++start) {
                    w.duty(1, shift, start, duration);
                    w.refresh();
                    ASSERT_EQ(w.worker().summary.worked_total, duration)
                        << "night " << from << "+" << length << ", shift " << shift << ", start "
                        << start;
                }
            }
        }
    }
}

// Sunday 5 May 2024 is followed by a working Monday.
TEST(HourSplit, ADayOffAfterANightKeepsItsSymbol) {
    Ward w(2024, 5);
    w.duty(5, kNightShift, 1140, 720);
    w.day_off(6, 6, 'z');
    auto rows = w.refresh();
    EXPECT_EQ(rows[5].symbol, "A");
    EXPECT_EQ(rows[5].shown_minutes, 60);
    EXPECT_EQ(w.worker().summary.hours_D, 60);
}

TEST(HourSplit, OvertimeAtTheHigherRate) {
    Ward w(2024, 5);
    for (uint16_t id : {6, 7, 8, 9}) w.hire(id);
    w.duty(8, kDayShift, 420, 720, 180, 1, 5);  // ends 19:00: all inside 19:00-07:00
    w.duty(8, kDayShift, 420, 480, 180, 1, 6);  // ends 15:00: the hour past 2:00 only
    w.duty(8, kDayShift, 420, 0, 240, 1, 7);    // a duty of length 0
    w.duty(1, kDayShift, 420, 480, 60, 1, 8);   // on a holiday
    w.duty(8, kDayShift, 420, 480, -60, 1, 9);  // taken back

    auto rows = w.refresh();
    EXPECT_EQ(w.worker(5).summary.overtime_100, 180);
    EXPECT_EQ(w.worker(5).summary.overtime_50, 0);
    EXPECT_EQ(rows[7].overtime_100, 180);
    EXPECT_EQ(w.worker(5).summary.hours_D, 720);

    w.refresh(6);
    EXPECT_EQ(w.worker(6).summary.overtime_100, 60);
    EXPECT_EQ(w.worker(6).summary.overtime_50, 120);

    w.refresh(7);
    const WorkerMonthSummary& zero = w.worker(7).summary;
    EXPECT_EQ(zero.overtime_100, 240);
    EXPECT_EQ(zero.overtime_50, 0);
    EXPECT_EQ(zero.worked_total, 0);
    EXPECT_EQ(w.worker(7).duty_count, 1);

    w.refresh(8);
    EXPECT_EQ(w.worker(8).summary.overtime_100, 60);

    w.options.ng_swieto = false;
    w.refresh(8);
    EXPECT_EQ(w.worker(8).summary.overtime_100, 0);
    EXPECT_EQ(w.worker(8).summary.overtime_50, 60);

    w.refresh(9);
    EXPECT_EQ(w.worker(9).summary.overtime_100, 0);
    EXPECT_EQ(w.worker(9).summary.overtime_50, -60);
}

TEST(HourSplit, AnnualLeaveWithAndWithoutADutyInside) {
    Ward w(2024, 5);
    w.hire(6);
    w.hire(7).etat = 50;
    w.day_off(13, 17, 'u', 1, 5);
    w.duty(15, kDayShift, 420, 720, 0, 1, 6);
    w.day_off(13, 17, 'u', 1, 6);
    w.day_off(17, 20, 'u', 1, 7);  // Friday to Monday

    auto rows = w.refresh();
    EXPECT_EQ(kind_minutes(w.worker(5), 'u'), 5 * 455);
    EXPECT_EQ(w.worker(5).leave_count, 5);
    EXPECT_EQ(w.worker(5).summary.leave_toward_norm, 5 * 455);
    EXPECT_EQ(rows[12].symbol, "U");
    EXPECT_EQ(rows[12].kind, 'u');
    EXPECT_EQ(rows[12].leave_minutes, 455);

    auto inside = w.refresh(6);
    EXPECT_EQ(kind_minutes(w.worker(6), 'u'), 720);
    EXPECT_EQ(w.worker(6).leave_count, 5);
    EXPECT_EQ(w.worker(6).duty_count, 0);
    EXPECT_EQ(w.worker(6).summary.hours_D, 0);
    EXPECT_EQ(inside[14].leave_minutes, 720);
    EXPECT_EQ(inside[13].leave_minutes, 0);

    w.refresh(7);
    EXPECT_EQ(kind_minutes(w.worker(7), 'u'), 2 * 228);  // 227.5 rounds to even
    EXPECT_EQ(w.worker(7).leave_count, 2);
}

TEST(HourSplit, KindsWithoutHoursAndKindsOutsideTheNormOnlyShow) {
    Ward w(2024, 5);
    w.day_off(20, 22, kNoDutyLetter);
    w.day_off(23, 24, 'n');
    w.day_off(27, 27, '9');
    auto rows = w.refresh();
    const Worker& x = w.worker();
    EXPECT_EQ(x.leave_count, 2);
    EXPECT_EQ(kind_minutes(x, 'n'), 2 * 455);
    EXPECT_EQ(x.summary.leave_toward_norm, 0);
    EXPECT_EQ(rows[26].symbol, "9");
    EXPECT_EQ(rows[26].leave_minutes, 0);
    EXPECT_EQ(rows[19].kind, kNoDutyLetter);
    EXPECT_EQ(rows[20].kind, 0);

    w.roster.norm_flags[*day_off_index('n')] = true;
    w.refresh();
    EXPECT_EQ(w.worker().summary.leave_toward_norm, 2 * 455);
    EXPECT_EQ(w.worker().summary.leave_toward_norm_other, 0);
}

TEST(HourSplit, OtherGroupsCountOnlyWhenAskedAndTheNormTakesTheCarries) {
    Ward w(2024, 5);
    w.worker().grupy = "1|2|";
    w.duty(8, kDayShift, 420, 720, 0, 2);
    w.day_off(13, 13, 'u', 2);
    Worker& x = w.worker();
    x.carry_auto = 60;
    x.carry_manual = -20;

    w.refresh();
    EXPECT_EQ(x.duty_count, 0);
    EXPECT_EQ(x.leave_count, 0);
    EXPECT_EQ(x.norma, w.roster.calendar.group_norm - 40);
    EXPECT_EQ(x.carry_total, 40);

    w.refresh(5, true);
    EXPECT_EQ(x.duty_count, 1);
    EXPECT_EQ(x.summary.hours_D, 720);
    EXPECT_EQ(x.leave_count, 1);

    const Worker before = x;
    EXPECT_TRUE(odswiez_pracownika(w.roster, w.options, 7, true).empty());
    EXPECT_EQ(x.summary.hours_D, before.summary.hours_D);
}

TEST(HourSplit, SummaryBoxesShowTheTotals) {
    Ward w(2024, 5);
    w.duty(4, kDayShift, 420, 720);  // Saturday
    w.duty(8, kNightShift, 1140, 720, 30);
    Worker& x = w.worker();
    x.urlop = 1200;
    x.urlop_prev = 60;
    x.opieka = 2;
    w.refresh();
    SummaryBoxes boxes = summary_boxes(x);
    EXPECT_EQ(boxes.days, "16:00 (12:00)");
    EXPECT_EQ(boxes.nights, "08:00");
    EXPECT_EQ(boxes.holidays, "00:00");
    EXPECT_EQ(boxes.total, "24:00");
    EXPECT_EQ(boxes.leave_unused, "21:00");
    EXPECT_EQ(boxes.care_days_unused, "2");
    EXPECT_EQ(boxes.norm.overtime, "00:30");
}

}  // namespace
}  // namespace tabrel
