#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "model/roster.h"
#include "storage/ini_file.h"
#include "support/test_support.h"
#include "worktime/calendar_days.h"
#include "worktime/calendar_grid.h"
#include "worktime/holidays.h"
#include "worktime/month_navigation.h"
#include "worktime/weekday.h"

namespace tabrel {
namespace {

// The "anonymous Gregorian" Easter rule, an independent formulation to check ours against.
MonthDay reference_easter(int y) {
    int a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4, f = (b + 8) / 25;
    int g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30, i = c / 4, k = c % 4;
    int l = (32 + 2 * e + 2 * i - h - k) % 7, m = (a + 11 * h + 22 * l) / 451;
    return {(h + l - 7 * m + 114) / 31, (h + l - 7 * m + 114) % 31 + 1};
}

TEST(Holidays, EasterAgreesWithKnownDatesAndTheReferenceRule) {
    EXPECT_EQ(easter_sunday(2025), (MonthDay{4, 20}));
    EXPECT_EQ(easter_sunday(2024), (MonthDay{3, 31}));
    EXPECT_EQ(easter_sunday(2019), (MonthDay{4, 21}));
    EXPECT_EQ(easter_sunday(2038), (MonthDay{4, 25}));
    EXPECT_EQ(easter_sunday(2285), (MonthDay{3, 22}));
    for (int year = 1583; year <= 4099; ++year)
        ASSERT_EQ(easter_sunday(year), reference_easter(year)) << year;
}

TEST(Holidays, ThirteenDatesInTheirOrder) {
    const StatutoryHolidays expected = {{{1, 1},
                                         {1, 6},
                                         {4, 20},
                                         {4, 21},
                                         {5, 1},
                                         {5, 3},
                                         {6, 19},
                                         {8, 15},
                                         {11, 1},
                                         {11, 11},
                                         {12, 24},
                                         {12, 25},
                                         {12, 26}}};
    EXPECT_EQ(zaladuj_swieta(2025), expected);
    EXPECT_EQ(zaladuj_swieta(2024)[6], (MonthDay{5, 30}));  // Corpus Christi after a March Easter
}

Profile rules(bool sob = false, bool wolne = false, bool bez = false, int shifts = 2) {
    Profile p;
    p.sob_swieto = sob;
    p.wolne_za_sob_swieto = wolne;
    p.bez_swiat = bez;
    p.shifts.resize(shifts);
    return p;
}

MonthCalendar build(int year, int month, const Profile& p, const IniFile* file = nullptr) {
    MonthCalendar c;
    build_calendar_days(c, p, {year, month, false, file});
    return c;
}

std::vector<int> holidays_of(const MonthCalendar& c) {
    std::vector<int> days;
    for (size_t i = 0; i < c.days.size(); ++i)
        if (c.days[i].holiday) days.push_back(static_cast<int>(i) + 1);
    return days;
}

TEST(CalendarDays, SaturdayHolidayCostsADayOnlyWithItsOwnDayOff) {
    // May 2021: 1 May is a Saturday, 3 May a Monday.
    const MonthCalendar plain = build(2021, 5, rules());
    EXPECT_EQ(plain.working_days, 20);
    EXPECT_EQ(holidays_of(plain), (std::vector<int>{1, 2, 3, 9, 16, 23, 30}));
    EXPECT_EQ(plain.days[0].weekday, kSaturday);
    EXPECT_EQ(build(2021, 5, rules(false, true)).working_days, 19);
    // May 2020: 3 May is a Sunday and changes nothing; 1 May is a Friday.
    EXPECT_EQ(build(2020, 5, rules()).working_days, 20);
}

TEST(CalendarDays, SaturdaysAsHolidaysAndGroupsWithoutHolidays) {
    const MonthCalendar sob = build(2021, 5, rules(true));
    EXPECT_EQ(holidays_of(sob), (std::vector<int>{1, 2, 3, 8, 9, 15, 16, 22, 23, 29, 30}));
    EXPECT_EQ(sob.working_days, 20);

    const MonthCalendar bez = build(2021, 5, rules(true, true, true));
    EXPECT_TRUE(holidays_of(bez).empty());
    EXPECT_EQ(bez.working_days, 19);  // the statutory days still lower the count
}

TEST(CalendarDays, ToggledDaysInvertTheDefaultAndAdjustTheCount) {
    // April 2025: Easter Monday on the 21st; the 5th is a Saturday.
    const IniFile file = IniFile::parse(
        "[kalendarz_wlasny]\r\n20=1\r\n4=1\r\n"
        "[kalendarz_ostre_dyzury]\r\n9=1\r\n"
        "[kalendarz_notatki]\r\n2=Line one\xA4Line two\r\n");
    EXPECT_EQ(build(2025, 4, rules()).working_days, 21);
    MonthCalendar c = build(2025, 4, rules(), &file);
    EXPECT_EQ(c.working_days, 22);
    EXPECT_FALSE(c.days[20].holiday);
    EXPECT_TRUE(c.days[4].holiday);
    EXPECT_TRUE(c.days[9].kalendarz_ostre_dyzury);
    EXPECT_EQ(c.days[2].kalendarz_notatki, "Line one\r\nLine two");

    // Rebuilt without the file (a day's mark changed in memory): the marks stay.
    c.days[6].kalendarz_wlasny = true;  // Monday the 7th becomes a day off
    build_calendar_days(c, rules(), {2025, 4, false, nullptr});
    EXPECT_EQ(c.working_days, 21);
    EXPECT_EQ(c.days[2].kalendarz_notatki, "Line one\r\nLine two");

    // Reread from a file without the sections: every mark is cleared.
    const IniFile empty = IniFile::parse("");
    build_calendar_days(c, rules(), {2025, 4, false, &empty});
    EXPECT_EQ(c.working_days, 21);
    EXPECT_FALSE(c.days[9].kalendarz_ostre_dyzury);
    EXPECT_TRUE(c.days[2].kalendarz_notatki.empty());
}

TEST(CalendarDays, ClassOfTheNextMonthsFirstDay) {
    EXPECT_EQ(build(2025, 12, rules()).next_month_first, kSunday);
    EXPECT_EQ(build(2025, 2, rules()).next_month_first, kSaturday);  // 1 March 2025
    EXPECT_EQ(build(2025, 2, rules(true)).next_month_first, kSunday);
    EXPECT_EQ(build(2025, 3, rules()).next_month_first, 3);        // 1 April, a Tuesday
    EXPECT_EQ(build(2021, 4, rules()).next_month_first, kSunday);  // 1 May
    EXPECT_EQ(build(2021, 4, rules(false, false, true)).next_month_first, kMonday);
    EXPECT_EQ(build(2025, 12, rules(false, false, true)).next_month_first, kMonday);
}

TEST(CalendarDays, CountersAreSizedToTheShiftsAndClearedOnRequest) {
    MonthCalendar c = build(2025, 1, rules(false, false, false, 3));
    ASSERT_EQ(c.days.size(), 31u);
    EXPECT_EQ(c.days[0].shift_counts.size(), 3u);
    c.days[4].shift_counts[1] = 2;
    c.days[4].extra_count = 5;
    build_calendar_days(c, rules(false, false, false, 3), {2025, 1, false, nullptr});
    EXPECT_EQ(c.days[4].shift_counts[1], 2);
    EXPECT_EQ(c.days[4].extra_count, 0);
    build_calendar_days(c, rules(false, false, false, 3), {2025, 1, true, nullptr});
    EXPECT_EQ(c.days[4].shift_counts[1], 0);
    build_calendar_days(c, rules(false, false, false, 3), {2024, 2, false, nullptr});
    EXPECT_EQ(c.days.size(), 29u);
    EXPECT_THROW(build_calendar_days(c, rules(), {2024, 13, false, nullptr}), std::out_of_range);
}

int rows_used(const MonthCalendar& c) {
    int rows = 0;
    for (int row = 0; row < kGridRows; ++row)
        for (const auto& column : c.cells)
            if (column[row].day != 0) rows = row + 1;
    return rows;
}

TEST(CalendarGrid, MondayFirstWeeksOfFourToSixRows) {
    const Profile one = rules(false, false, false, 1);
    MonthCalendar march = build(2026, 3, one);  // 31 days from a Sunday
    przenumeruj_kalendarz(march, one);
    EXPECT_EQ(rows_used(march), 6);
    EXPECT_EQ(march.cells[6][0].day, 1);
    EXPECT_EQ(march.cells[0][1].day, 2);
    EXPECT_EQ(march.cells[1][5].day, 31);

    MonthCalendar february = build(2027, 2, one);  // 28 days from a Monday
    przenumeruj_kalendarz(february, one);
    EXPECT_EQ(rows_used(february), 4);
    EXPECT_EQ(february.cells[0][0].day, 1);
    EXPECT_EQ(february.cells[6][3].day, 28);
}

TEST(CalendarGrid, ThreeShiftsGiveTwentyOneColumnsOfSubCells) {
    Profile three = rules(false, false, false, 3);
    three.shifts[0].zkolor = rgb(1, 1, 1);
    three.shifts[1].zkolor = rgb(2, 2, 2);
    three.shifts[2].zkolor = rgb(3, 3, 3);
    MonthCalendar c = build(2025, 1, three);  // 1 January 2025 is a Wednesday
    c.days[1].kalendarz_notatki = "x";
    c.days[2].kalendarz_ostre_dyzury = true;
    przenumeruj_kalendarz(c, three);
    ASSERT_EQ(c.cells.size(), 21u);
    ASSERT_EQ(c.cells[0].size(), 6u);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(c.cells[6 + k][0].day, 1);
        EXPECT_EQ(c.cells[6 + k][0].shift_no, k + 1);
    }
    EXPECT_EQ(c.cells[0][0].day, 0);
    EXPECT_EQ(cell_look(c, three, 0, 0), (CellLook{kOutsideMonth, kPlainFont, ""}));
    EXPECT_EQ(cell_look(c, three, 6, 0), (CellLook{kHolidayBackground, kPlainFont, "1"}));
    EXPECT_EQ(cell_look(c, three, 7, 0), (CellLook{rgb(2, 2, 2), kPlainFont, ""}));
    EXPECT_EQ(cell_look(c, three, 9, 0), (CellLook{rgb(1, 1, 1), kNotesFont, "2"}));
    EXPECT_EQ(cell_look(c, three, 12, 0), (CellLook{kEmergencyBackground, kPlainFont, "3"}));
    // The emergency colour wins over the holiday colour.
    c.days[0].kalendarz_ostre_dyzury = true;
    EXPECT_EQ(cell_look(c, three, 6, 0).background, kEmergencyBackground);
}

TEST(CalendarGrid, DayCodesLaterRulesWin) {
    Profile p = rules();
    MonthCalendar c = build(2021, 5, p);  // 1 May Saturday holiday, 8 May plain Saturday
    c.days[4].kalendarz_ostre_dyzury = true;
    c.days[2].kalendarz_ostre_dyzury = true;
    przenumeruj_kalendarz(c, p);
    EXPECT_EQ(c.days[0].day_code, "sw");
    EXPECT_EQ(c.days[7].day_code, "so");
    EXPECT_EQ(c.days[3].day_code, "da");
    EXPECT_EQ(c.days[4].day_code, "od");
    EXPECT_EQ(c.days[2].day_code, "od");
}

TEST(MonthNavigation, StepsCrossTheYear) {
    EXPECT_EQ(next_month({2024, 12}), (YearMonth{2025, 1}));
    EXPECT_EQ(next_month({2025, 3}), (YearMonth{2025, 4}));
    EXPECT_EQ(previous_month({2025, 1}), (YearMonth{2024, 12}));
    EXPECT_EQ(previous_month({2025, 3}), (YearMonth{2025, 2}));
    EXPECT_EQ(month_name(1), "Stycze\xF1");
    EXPECT_EQ(month_name(12), "Grudzie\xF1");
}

TEST(CalendarCommand, PrintsTheMonthOfTheChosenGroupAsJson) {
    if (!std::filesystem::exists(TABREL_CLI)) GTEST_SKIP() << "tabrel-cli is not built";
    test::TempDir data;
    test::spit(data / "tabrel.ini",
               "[main]\r\ngc=2\r\nkc=1\r\n"
               "[g0]\r\nid=1\r\nold=1\r\n"
               "[g1]\r\nid=3\r\nnazwa=A\r\nzod0=420\r\nzile0=720\r\nzsymbol0=D\r\n"
               "zod1=1140\r\nzile1=720\r\nzod2=0\r\nzile2=480\r\n"
               "[k0]\r\nid=5\r\ngrupa=3\r\nnazwisko=X\r\n");
    test::spit(data / "2025_04.tbr",
               "[kalendarz_wlasny]\r\n20=1\r\n"
               "[kalendarz_notatki]\r\n2=Zebranie\xA4o 10\r\n"
               "[g3]\r\nday8=480\r\n");
    test::spit(data / "konfiguracja.ini", "[wydruki]\r\nnoc_od=00:00\r\n");

    const test::CliRun run = test::run_cli(data.path(), "calendar 2025-04");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string head =
        "{\n"
        "  \"year\": 2025,\n"
        "  \"month\": 4,\n"
        "  \"working_days\": 22,\n"
        "  \"group_norm\": 10560,\n"
        "  \"group_norm_remainder\": 480,\n"
        "  \"night_start\": 1440,\n"
        "  \"night_end\": 1920,\n"
        "  \"next_month_first\": 1,\n"
        "  \"st_NormaTitle\": \"Dni robocze: \\rDyżury \\\"D\\\": \",\n"
        "  \"st_NormaValue\": \"22 \\r14 dyż. + 08:00\",\n"
        "  \"days\": [";
    EXPECT_EQ(run.out.substr(0, head.size()), head);
    const auto json = nlohmann::json::parse(run.out);
    ASSERT_EQ(json["days"].size(), 30u);
    EXPECT_EQ(json["days"][2]["kalendarz_notatki"], "Zebranie\r\no 10");
    EXPECT_EQ(json["days"][20]["kalendarz_wlasny"], true);
    EXPECT_EQ(json["days"][20]["holiday"], false);
    EXPECT_EQ(json["days"][19]["day_code"], "sw");
    ASSERT_EQ(json["cells"].size(), 21u);
    EXPECT_EQ(json["cells"][3][0], (nlohmann::json{{"shift_no", 1}, {"day", 1}}));
    EXPECT_EQ(json["cells"][5][0], (nlohmann::json{{"shift_no", 3}, {"day", 1}}));

    EXPECT_EQ(test::run_cli(data.path(), "calendar 2025-04 --group 9").status, 1);
    EXPECT_EQ(test::run_cli(data.path(), "calendar 2025-13").status, 2);
    EXPECT_EQ(test::run_cli(data.path(), "calendar April").status, 2);
}

TEST(CalendarCommand, WithoutGroupsUsesAnEmptyGroupsDefaults) {
    if (!std::filesystem::exists(TABREL_CLI)) GTEST_SKIP() << "tabrel-cli is not built";
    test::TempDir data;
    const test::CliRun run = test::run_cli(data.path(), "calendar 2025-01");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["working_days"], 21);
    EXPECT_EQ(json["group_norm"], 21 * 455);
    EXPECT_EQ(json["group_norm_remainder"], 21 * 455);
    EXPECT_EQ(json["night_start"], 1320);
    EXPECT_TRUE(json["cells"].empty());
}

}  // namespace
}  // namespace tabrel
