#include <gtest/gtest.h>

#include <functional>

#include "app/app_state.h"
#include "app/month_switch.h"
#include "printouts/generation_context.h"
#include "storage/month_paths.h"
#include "storage/options_file.h"
#include "support/fixed_clock.h"
#include "support/ward_fixture.h"

namespace tabrel {
namespace {

using test::slurp;
using test::spit;
using test::TempDir;
using test::Ward;

struct SwitchWard : Ward {
    TempDir dir;
    Locale locale;
    test::FixedClock clock{{2024, 3, 15}};
    MonthSwitch months{roster, options, prompter, locale, clock};

    SwitchWard() : Ward(2024, 3) {
        roster.data_folder = dir.path();
        roster.calendar.days.clear();
    }
    std::string file(const char* name) { return slurp(dir / name); }
};

std::string with_separators(std::string text) {
    for (char& c : text) {
        if (c == '|') c = '\xA4';
    }
    return text;
}

TEST(MonthSwitch, SavesTheMonthLeftAndLoadsTheMonthEntered) {
    SwitchWard w;
    w.worker().grupy = "1|2|";
    spit(w.dir / "2024_04.tbr",
         with_separators("[dyzury]\r\nd1=1|5|2|720|1|420|0||0\r\nd2=2|5|3|600|1|420|0||0\r\n"
                         "[g1]\r\nCustomNorma=1\r\nNorma=6000\r\n"));
    w.months.switch_to(2024, 3);
    EXPECT_FALSE(std::filesystem::exists(w.dir / "2024_03.tbr"));  // nothing shown before
    w.duty(8, 1, 420, 720);

    const NormStatus status = w.months.switch_to(2024, 4);
    EXPECT_NE(w.file("2024_03.tbr").find(with_separators("d1=1|5|8|720|1|420|0||0")),
              std::string::npos);
    EXPECT_EQ(w.roster.month_file, w.dir / "2024_04.tbr");
    EXPECT_EQ(w.roster.calendar.days.size(), 30u);
    EXPECT_EQ(w.worker().duties[7].seq, 0);
    EXPECT_EQ(w.worker().duty_count, 2);  // both groups count
    EXPECT_EQ(w.worker().summary.hours_D, 1320);
    EXPECT_EQ(w.roster.calendar.group_norm, 6000);
    EXPECT_EQ(status.norm_text, "100:00");
}

// The clock dates a saved month and a printout, whichever side of a year's end it stands.
TEST(MonthSwitch, TheClockDatesTheSavedMonthAndThePrintoutAcrossTheYearEnd) {
    for (const auto& [day, text] :
         {std::pair{Date{2024, 12, 31}, "31.12.2024"}, std::pair{Date{2025, 1, 1}, "01.01.2025"}}) {
        SwitchWard w;
        w.clock = test::FixedClock(day);
        w.months.switch_to(2024, 12);
        w.months.switch_to(2025, 1);
        EXPECT_NE(w.file("2024_12.tbr").find("data=" + std::string(text) + "\r\n"),
                  std::string::npos);
        GenerationContext ctx(w.roster, w.options, w.locale, w.clock);
        EXPECT_EQ(gen_zamien("data", ctx), text);
    }
}

// The configuration keeps what the user set, whatever norm flags the months shown carry.
TEST(MonthSwitch, TheConfigurationRoundTripsAcrossMonthsWithTheirOwnNormFlags) {
    SwitchWard w;
    const std::string ini =
        slurp(std::filesystem::path(TABREL_TEST_DATA) / "konfiguracja_round_trip.ini");
    spit(w.dir / kOptionsFileName, ini);
    w.options = read_options(load_options_file(w.dir.path()), w.locale, {2024, 3, 1});
    spit(w.dir / "2024_04.tbr", "[urlop_normatyw]\r\nu=1\r\nz=1\r\n");
    w.months.switch_to(2024, 4);
    EXPECT_TRUE(w.roster.norm_flags[kAnnualLeave]);
    w.months.switch_to(2024, 5);
    EXPECT_NE(w.file("2024_04.tbr").find("u=1\r\n"), std::string::npos);
    ASSERT_TRUE(zapisz_opcje(w.dir.path(), w.options, "polski", false));
    EXPECT_EQ(slurp(w.dir / kOptionsFileName), ini);
}

// A month only looked at keeps its file as it was, save date included; whatever changes what
// the file holds writes it again, dated that day.
TEST(MonthSwitch, OnlyAMonthWhoseFileWouldChangeIsWrittenAgain) {
    const std::vector<std::pair<const char*, std::function<void(SwitchWard&)>>> edits = {
        {"nothing", nullptr},
        {"duty", [](SwitchWard& w) { w.duty(9, 2, 1140, 720); }},
        {"day off", [](SwitchWard& w) { w.day_off(12, 14, 'u'); }},
        {"duty removed", [](SwitchWard& w) { w.worker().duties[7] = Duty{}; }},
        {"day note", [](SwitchWard& w) { w.roster.calendar.days[3].kalendarz_notatki = "x"; }},
        {"own holiday", [](SwitchWard& w) { w.roster.calendar.days[4].kalendarz_wlasny = true; }},
        {"carry", [](SwitchWard& w) { w.worker().carry_manual = 60; }},
        {"custom norm", [](SwitchWard& w) { w.roster.groups[0].CustomNorma = true; }},
        {"new period", [](SwitchWard& w) { w.roster.groups[0].NewPeriod = true; }},
        {"leave norm flag",
         [](SwitchWard& w) {
             w.roster.norm_flags[kAnnualLeave] = !w.roster.norm_flags[kAnnualLeave];
         }},
        {"file removed", [](SwitchWard& w) { std::filesystem::remove(w.dir / "2024_03.tbr"); }},
    };
    for (const auto& [name, edit] : edits) {
        SCOPED_TRACE(name);
        SwitchWard w;
        w.months.switch_to(2024, 3);
        w.duty(8, 1, 420, 720);
        w.months.switch_to(2024, 4);
        std::string old = w.file("2024_03.tbr");
        const size_t date = old.find("data=") + 5;
        old.replace(date, old.find('\r', date) - date, "01.01.2001");
        spit(w.dir / "2024_03.tbr", old);

        w.months.switch_to(2024, 3);
        if (edit) edit(w);
        w.months.switch_to(2024, 4);
        const std::string now = w.file("2024_03.tbr");
        if (edit) {
            EXPECT_EQ(now.find("01.01.2001"), std::string::npos);
            EXPECT_NE(now.find("data="), std::string::npos);
        } else {
            EXPECT_EQ(now, old);
        }
    }
}

TEST(MonthSwitch, ARestoreInProgressKeepsTheMonthFile) {
    SwitchWard w;
    w.months.switch_to(2024, 3);
    w.duty(8, 1, 420, 720);
    spit(restore_marker(w.dir / "2024_03.tbr"), "");
    w.months.switch_to(2024, 4);
    EXPECT_FALSE(std::filesystem::exists(w.dir / "2024_03.tbr"));

    w.duty(9, 1, 420, 720);
    spit(restore_marker(w.dir / "tabrel.ini"), "");
    w.months.switch_to(2024, 5);
    EXPECT_FALSE(std::filesystem::exists(w.dir / "2024_04.tbr"));
}

TEST(MonthSwitch, AMonthThatStoppedLoadingIsNeverSavedOver) {
    SwitchWard w;
    const std::string bad =
        with_separators("[dyzury]\r\nd1=1|5|2|720|1|420|0||0\r\nd2=1|5|x|720|1|420|0||0\r\n");
    spit(w.dir / "2024_04.tbr", bad);
    w.months.switch_to(2024, 4);
    EXPECT_TRUE(w.months.load_failed());
    ASSERT_EQ(w.prompter.errors.size(), 1u);
    EXPECT_NE(w.prompter.errors[0].find("2024_04.tbr"), std::string::npos);
    EXPECT_NE(w.worker().duties[1].seq, 0);  // what was read stays shown

    EXPECT_FALSE(w.months.save_at_exit());
    w.months.switch_to(2024, 5);
    EXPECT_EQ(w.file("2024_04.tbr"), bad);
    EXPECT_FALSE(w.months.load_failed());
    w.duty(6, 1, 420, 720);
    EXPECT_TRUE(w.months.save_at_exit());
    EXPECT_NE(w.file("2024_05.tbr").find("[dyzury]"), std::string::npos);
}

TEST(MonthSwitch, WithoutGroupsNothingIsLoadedOrSaved) {
    SwitchWard w;
    w.roster.groups.clear();
    w.roster.current_group = -1;
    w.months.switch_to(2024, 3);
    w.months.switch_to(2024, 4);
    EXPECT_TRUE(w.months.save_at_exit());
    EXPECT_TRUE(std::filesystem::is_empty(w.dir.path()));
    EXPECT_EQ(w.roster.shown_month, 3);
}

// A first start: the month is shown before the ward's first group is created.
TEST(MonthSwitch, AMonthShownBeforeTheFirstGroupIsReadAndSavedWhenLeft) {
    SwitchWard w;
    const std::vector<Group> groups = w.roster.groups;
    w.roster.groups.clear();
    w.months.switch_to(2024, 3);
    spit(w.dir / "2024_03.tbr", with_separators("[dyzury]\r\nd1=1|5|2|720|1|420|0||0\r\n"));
    w.roster.groups = groups;
    w.months.recompute();
    EXPECT_NE(w.worker().duties[1].seq, 0);  // the file there is read, not written over
    w.duty(8, 1, 420, 720);

    w.months.switch_to(2024, 4);
    EXPECT_NE(w.file("2024_03.tbr")
                  .find(with_separators("[dyzury]\r\nd1=1|5|2|720|1|420|0||0\r\n"
                                        "d2=1|5|8|720|1|420|0||0\r\n\r\n")),
              std::string::npos);
}

TEST(MonthSwitch, TheApplicationStateSavesTheShownMonthAtExit) {
    TempDir program;
    test::FakePrompter prompter;
    Locale locale;
    AppState app(program.path(), prompter, locale, system_clock());
    ASSERT_EQ(app.open_data_folder(), AppState::OpenResult::Ok);
    EXPECT_TRUE(app.save_month());  // no group: nothing to save
    Ward ward(2024, 6);
    app.roster().groups = ward.roster.groups;
    app.roster().current_group = 0;
    app.roster().workers = ward.roster.workers;
    app.roster().rebuild_worker_ids();
    app.months().switch_to(2024, 6);
    Duty d;
    d.worker_id = 5;
    d.group_id = 1;
    d.day_no = 3;
    d.shift_no = 1;
    d.duration = 720;
    app.roster().dodaj_dyzur(d, 0);
    ASSERT_TRUE(app.save_month());
    EXPECT_NE(
        slurp(app.data_folder() / "2024_06.tbr").find(with_separators("d1=1|5|3|720|1|420|0||0")),
        std::string::npos);
}

}  // namespace
}  // namespace tabrel
