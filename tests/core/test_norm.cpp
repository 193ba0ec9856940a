#include <gtest/gtest.h>

#include <cmath>

#include "i18n/text.h"
#include "model/roster.h"
#include "storage/ini_file.h"
#include "worktime/calendar_days.h"
#include "worktime/group_norm.h"
#include "worktime/leave_account.h"
#include "worktime/month_rebuild.h"
#include "worktime/nearest.h"
#include "worktime/night_window.h"
#include "worktime/norm_box.h"
#include "worktime/worker_norm.h"

namespace tabrel {
namespace {

Profile ward_rules(uint16_t first_length = 720) {
    Profile p;
    p.day8 = 455;
    p.shifts.resize(2);
    p.shifts[0] = {420, first_length, 0, clWhite, "R", "", 0, 0};
    p.shifts[1] = {1140, 720, 0, clWhite, "N", "", 0, 0};
    return p;
}

TEST(GroupNorm, WorkingDaysTimesDay8SplitIntoFirstShiftDuties) {
    const GroupNorm norm = group_norm(21, ward_rules(), std::nullopt);
    EXPECT_EQ(norm.norm, 9555);  // 159:15
    EXPECT_EQ(norm.duties, 13);
    EXPECT_EQ(norm.remainder, 195);
    EXPECT_EQ(norm_title(ward_rules()), "Dni robocze: \rDy\xBFury \"R\": ");
    EXPECT_EQ(norm_value(21, norm), "21 \r13 dy\xBF. + 03:15");
}

TEST(GroupNorm, CustomNormKeepsTheWorkingDayCountButSplitsTheTypedNorm) {
    const GroupNorm norm = group_norm(21, ward_rules(), TimeValue{10000});
    EXPECT_EQ(norm.norm, 10000);
    EXPECT_EQ(norm.duties, 13);
    EXPECT_EQ(norm.remainder, 640);
    EXPECT_EQ(norm_value(21, norm), "21 \r13 dy\xBF. + 10:40");
}

TEST(GroupNorm, FirstShiftOfLengthZeroLeavesTheWholeNormAsRemainder) {
    const GroupNorm zero = group_norm(21, ward_rules(0), std::nullopt);
    EXPECT_EQ(zero.duties, 0);
    EXPECT_EQ(zero.remainder, 9555);
    EXPECT_EQ(norm_value(21, zero), "21 \r0 dy\xBF. + 159:15");
    const GroupNorm none = group_norm(20, Profile{}, std::nullopt);
    EXPECT_EQ(none.norm, 9100);
    EXPECT_EQ(none.remainder, 9100);
    EXPECT_EQ(norm_title(Profile{}), "Dni robocze: \rDy\xBFury \"\": ");
}

TEST(GroupNorm, LanguageFileFormatsAreFilledSafely) {
    language_texts()["st_NormaValue"] = "%d%%|%s|%d|%s|%s|%x";
    const std::string text = norm_value(21, group_norm(21, ward_rules(), std::nullopt));
    language_texts().clear();
    EXPECT_EQ(text, "21%|\r|13|03:15||%x");
}

TEST(Nearest, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(nearest(4777.5), 4778);
    EXPECT_EQ(nearest(4776.5), 4776);
    EXPECT_EQ(nearest(0.5), 0);
    EXPECT_EQ(nearest(0.51), 1);
    EXPECT_EQ(nearest(-0.5), 0);
    EXPECT_EQ(nearest(-1.5), -2);
    EXPECT_EQ(nearest(-1.4), -1);
    EXPECT_EQ(nearest(std::nan("")), 0);
}

TEST(WorkerNorm, ScaledByEtatLessTheCarriesOrTheOwnNorm) {
    Worker w;
    w.etat = 50;
    EXPECT_EQ(worker_norm(w, 9555), 4778);  // 79:37.5 gives 79:38
    w.etat = 75;
    EXPECT_EQ(worker_norm(w, 9555), 7166);  // 7166.25
    w.etat = 100;
    w.carry_auto = 120;
    w.carry_manual = -30;
    apply_worker_norm(w, 9555);
    EXPECT_EQ(w.carry_total, 90);
    EXPECT_EQ(w.norma, 9465);
    w.own_norm_set = true;
    w.own_norm = 6000;
    EXPECT_EQ(worker_norm(w, 9555), 5910);
    w.carry_auto = -32000;
    w.carry_manual = -32000;
    EXPECT_EQ(worker_norm(w, 9555), 32767);  // held at the end of the range, not wrapped
}

TEST(NightWindow, PlacedAfterTheFirstShiftsStart) {
    MonthCalendar c;
    set_night_window(c, 1320, 480, 420);
    EXPECT_EQ(c.night_start, 1320);
    EXPECT_EQ(c.night_end, 1800);
    set_night_window(c, 0, 480, 420);  // "00:00" lasting "08:00"
    EXPECT_EQ(c.night_start, 1440);
    EXPECT_EQ(c.night_end, 1920);
    set_night_window(c, 0, 480, std::nullopt);  // no group: nothing is moved
    EXPECT_EQ(c.night_start, 1440);
    EXPECT_EQ(c.night_end, 480);
    set_night_window(c, 300, 180, 420);  // 05:00-08:00 lies before a 07:00 shift
    EXPECT_EQ(c.night_start, 1740);
    EXPECT_EQ(c.night_end, 1920);
}

Roster january_2025_ward() {
    Roster r;
    Group g;
    g.id = 2;
    g.profile = ward_rules();
    g.profile.shifts[0].zod = 400;
    r.groups.push_back(g);
    r.current_group = 0;
    return r;
}

TEST(Normatyw, BuildsCalendarNightNormAndGrid) {
    Roster r = january_2025_ward();
    Options options;
    const NormStatus status = normatyw(r, options, {2025, 1, true, nullptr, std::nullopt});
    EXPECT_EQ(status.working_days, 21);  // 1 and 6 January fall on weekdays
    EXPECT_EQ(r.calendar.group_norm, 9555);
    EXPECT_EQ(r.calendar.group_norm_remainder, 195);
    EXPECT_EQ(r.calendar.night_start, 1320);
    EXPECT_EQ(r.calendar.night_end, 1800);
    EXPECT_EQ(status.norm_text, "159:15");
    EXPECT_EQ(status.norm_value, "21 \r13 dy\xBF. + 03:15");
    EXPECT_EQ(r.calendar.cells.size(), 14u);
    EXPECT_EQ(r.calendar.days[0].day_code, "sw");
    EXPECT_EQ(options.dyz8, 455);
    EXPECT_EQ(options.dyz12, 720);

    const NormStatus custom = normatyw(r, options, {2025, 1, false, nullptr, TimeValue{600}});
    EXPECT_EQ(custom.working_days, 21);
    EXPECT_EQ(r.calendar.group_norm, 600);
    EXPECT_EQ(custom.norm_text, "10:00");
}

TEST(Normatyw, WithoutAGroupUsesAnEmptyGroupsDefaults) {
    Roster r;
    Options options;
    options.noc_od = 0;
    const NormStatus status = normatyw(r, options, {2025, 1, false, nullptr, std::nullopt});
    EXPECT_EQ(r.calendar.group_norm, 21 * 455);
    EXPECT_EQ(r.calendar.group_norm_remainder, 21 * 455);
    EXPECT_EQ(r.calendar.night_start, 1440);
    EXPECT_EQ(r.calendar.night_end, 480);
    EXPECT_TRUE(r.calendar.cells.empty());
    EXPECT_EQ(status.norm_value, "21 \r0 dy\xBF. + 159:15");
}

struct LeaveFixture : ::testing::Test {
    MonthCalendar calendar;
    Worker worker;
    void SetUp() override {
        Profile p = ward_rules();
        build_calendar_days(calendar, p, {2025, 1, false, nullptr});  // 13..17 Mon-Fri
        worker.id = 5;
        worker.urlop = 10000;
    }
    void put_duty(int day, uint16_t duration) {
        Duty& d = worker.duties[day - 1];
        d.seq = 1;
        d.day_no = static_cast<uint16_t>(day);
        d.duration = duration;
    }
    DayOff& put_day_off(int from, int to, char kind, uint16_t minutes) {
        DayOff& e = worker.days_off[from - 1];
        e = {1, minutes, worker.id, 2, static_cast<uint8_t>(from), static_cast<uint8_t>(to), kind};
        return e;
    }
};

TEST_F(LeaveFixture, WorkingDaysAndLeaveMinutesOfARange) {
    EXPECT_EQ(ile_pracujacych(calendar, worker, 1, 12, CountMode::working_days, 455), 6);
    EXPECT_EQ(ile_pracujacych(calendar, worker, 13, 17, CountMode::minutes, 455), 2275);
    worker.etat = 50;
    EXPECT_EQ(leave_minutes(calendar, worker, 13, 17, 455), 5 * 228);  // 227.5 to even
    put_duty(15, 720);
    put_duty(18, 600);  // a Saturday duty inside the range counts too
    EXPECT_EQ(leave_minutes(calendar, worker, 13, 19, 455), 1320);
    EXPECT_EQ(leave_minutes(calendar, worker, 17, 13, 455), 0);
    EXPECT_EQ(working_days_between(calendar, 17, 13), 0);
    EXPECT_EQ(working_days_between(calendar, 27, 40), 5);  // cut at the month's end
}

TEST_F(LeaveFixture, DutyInsideAnnualLeaveMovesTheDifferenceIntoTheBalance) {
    DayOff& leave = put_day_off(13, 17, 'u', 2275);
    put_duty(14, 720);
    ASSERT_TRUE(aktualizuj_urlop(calendar, worker, 14, 455));
    EXPECT_EQ(leave.minutes, 720);
    EXPECT_EQ(worker.urlop, 10000 + 2275 - 720);
    worker.duties[13].seq = 0;
    ASSERT_TRUE(aktualizuj_urlop(calendar, worker, 14, 455));
    EXPECT_EQ(leave.minutes, 2275);
    EXPECT_EQ(worker.urlop, 10000);
}

TEST_F(LeaveFixture, OtherKindsKeepTheAnnualLeaveAndNoDutyEntriesAreLeftAlone) {
    DayOff& sick = put_day_off(13, 17, 'z', 2275);
    DayOff& no_duty = put_day_off(15, 15, kNoDutyLetter, 2);  // refuses shift 2
    put_duty(16, 720);
    ASSERT_TRUE(aktualizuj_urlop(calendar, worker, 16, 455));
    EXPECT_EQ(sick.minutes, 720);
    EXPECT_EQ(no_duty.minutes, 2);
    EXPECT_EQ(worker.urlop, 10000);
    EXPECT_FALSE(aktualizuj_urlop(calendar, worker, 20, 455));
}

TEST(Carries, MenuItemsTouchOnlyTheCurrentGroupsWorkers) {
    Roster r = january_2025_ward();
    Worker in, out;
    in.id = 7;
    in.grupy = "2|";
    in.carry_auto = 50;
    in.carry_manual = 10;
    out.id = 8;
    out.grupy = "12|";
    out.carry_auto = 40;
    r.workers = {in, out};
    nadpracowania_auto_zeruj(r);
    EXPECT_EQ(r.workers[0].carry_auto, 0);
    EXPECT_EQ(r.workers[0].carry_total, 10);
    EXPECT_EQ(r.workers[1].carry_auto, 40);
    const IniFile previous = IniFile::parse("[auto_nadpracowania]\r\n7=-95\r\n8=30\r\n");
    nadpracowania_auto_wczytaj_z_poprzedniego_miesiaca(r, previous);
    EXPECT_EQ(r.workers[0].carry_auto, -95);
    EXPECT_EQ(r.workers[0].carry_total, -85);
    EXPECT_EQ(r.workers[1].carry_auto, 40);
}

TEST(NormBox, ShowsNormUseRemainderOvertimeAndThePreviousPeriod) {
    NormBoxInput t;
    t.norm = 9555;
    t.hours_D = 7200;
    t.hours_N = 1920;
    t.hours_S = 720;
    t.leave_toward_norm = 455;
    t.overtime_100 = 60;
    t.overtime_50 = 30;
    t.carry_total = 90;
    NormBox box = norm_box(t);
    EXPECT_EQ(box.norm, "159:15");
    EXPECT_EQ(box.used, "171:35");
    EXPECT_EQ(box.unused, "-12:20");
    EXPECT_EQ(box.overtime, "01:30");
    EXPECT_EQ(box.previous_period, "-01:30");
    t.norm = -30;
    t.carry_total = -75;
    t.overtime_50 = -100;
    box = norm_box(t);
    EXPECT_EQ(box.norm, "00:00");
    EXPECT_EQ(box.overtime, "00:00");
    EXPECT_EQ(box.previous_period, "+01:15");
    Worker w;
    w.nazwisko = "Nowak";
    w.imie = "Anna";
    EXPECT_EQ(worker_title(&w), " :: Pracownik: Nowak Anna");
}

}  // namespace
}  // namespace tabrel
