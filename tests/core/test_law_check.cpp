#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <random>

#include "storage/ini_file.h"
#include "storage/law_limits_file.h"
#include "storage/options.h"
#include "support/test_support.h"
#include "worktime/law_check.h"
#include "worktime/law_findings.h"

namespace tabrel {
namespace {

constexpr int64_t kDay = 1440;

LawLimits only(bool LawLimits::*rule) {
    LawLimits l;
    for (bool LawLimits::*on :
         {&LawLimits::daily_rest_on, &LawLimits::same_day_twice_on, &LawLimits::weekly_rest_on,
          &LawLimits::day_length_on, &LawLimits::weekly_hours_on, &LawLimits::yearly_overtime_on})
        l.*on = on == rule;
    return l;
}

struct Case {
    const char* name;
    bool LawLimits::*rule;
    std::vector<WorkSpan> spans;
    int year_overtime;
    std::vector<LawFinding> expected;
};

// Worker 7 in a 30-day month whose settlement period began two days before it.
TEST(LawCheck, EachRuleAtItsEdges) {
    using R = LawRule;
    const int64_t week = -2 * kDay;
    const Case cases[] = {
        {"rest of exactly 11:00",
         &LawLimits::daily_rest_on,
         {{420, 1140, true}, {1800, 2520, true}},
         0,
         {}},
        {"rest of 10:59",
         &LawLimits::daily_rest_on,
         {{420, 1140, true}, {1799, 2519, true}},
         0,
         {{7, R::DailyRest, 420, 1860, 659, 660}}},
        {"a 24-hour duty",
         &LawLimits::daily_rest_on,
         {{420, 1860, true}},
         0,
         {{7, R::DailyRest, 420, 1860, 0, 660}}},
        {"a 24-hour duty is too long a day",
         &LawLimits::day_length_on,
         {{420, 1860, true}},
         0,
         {{7, R::DayLength, 420, 1860, 1440, 720}}},
        {"12:00 of work in a day is allowed",
         &LawLimits::day_length_on,
         {{1140, 1860, true}},
         0,
         {}},
        {"the previous month's night opens a day the shown month ends too long",
         &LawLimits::day_length_on,
         {{-300, 420, false}, {1080, 1140, true}},
         0,
         {{7, R::DayLength, -300, 1140, 780, 720}}},
        {"days of the previous month alone are not reported",
         &LawLimits::day_length_on,
         {{-3000, -1000, false}},
         0,
         {}},
        {"a second start 23:59 after the first",
         &LawLimits::same_day_twice_on,
         {{420, 1140, true}, {1859, 2000, true}},
         0,
         {{7, R::SameDayTwice, 420, 1860, 1439, 1440}}},
        {"a second start 24:00 after the first",
         &LawLimits::same_day_twice_on,
         {{420, 1140, true}, {1860, 2000, true}},
         0,
         {}},
        {"weekly rest of exactly 35:00 in every week",
         &LawLimits::weekly_rest_on,
         {{week, week + 7980, false},
          {week + 10080, week + 18060, true},
          {week + 20160, week + 28140, true},
          {week + 30240, week + 38220, true},
          {week + 40320, week + 48300, true}},
         0,
         {}},
        {"weekly rest of 34:59 in the second week",
         &LawLimits::weekly_rest_on,
         {{week, week + 7980, false},
          {week + 10080, week + 18061, true},
          {week + 20160, week + 28140, true},
          {week + 30240, week + 38220, true},
          {week + 40320, week + 48300, true}},
         0,
         {{7, R::WeeklyRest, week + 10080, week + 20160, 2099, 2100}}},
        {"48 hours a week on average over 30 days is 205:42",
         &LawLimits::weekly_hours_on,
         {{0, 12342, true}, {20000, 20001, false}},
         0,
         {}},
        {"one minute more",
         &LawLimits::weekly_hours_on,
         {{0, 12343, true}},
         0,
         {{7, R::WeeklyHours, 0, 30 * kDay, 12343, 12342}}},
        {"overtime a tenth below the limit", &LawLimits::yearly_overtime_on, {}, 8099, {}},
        {"overtime within a tenth of the limit",
         &LawLimits::yearly_overtime_on,
         {},
         8100,
         {{7, R::YearlyOvertime, -100 * kDay, 30 * kDay, 8100, 9000, true}}},
        {"overtime at the limit",
         &LawLimits::yearly_overtime_on,
         {},
         9000,
         {{7, R::YearlyOvertime, -100 * kDay, 30 * kDay, 9000, 9000, true}}},
        {"overtime beyond the limit",
         &LawLimits::yearly_overtime_on,
         {},
         9001,
         {{7, R::YearlyOvertime, -100 * kDay, 30 * kDay, 9001, 9000}}},
    };
    const LawPeriod period{30, week, -100 * kDay};
    for (const Case& c : cases) {
        const WorkerTime w{7, c.spans, c.year_overtime};
        EXPECT_EQ(check_worker(w, period, only(c.rule)), c.expected) << c.name;
        EXPECT_TRUE(check_worker(w, period, only(nullptr)).empty()) << c.name;
    }
}

// Each employee day counted minute by minute: the longest free stretch and the minutes worked.
std::vector<LawFinding> employee_days_by_minute(const WorkerTime& w, const LawLimits& l) {
    std::vector<LawFinding> out;
    for (const WorkSpan& opening : w.spans) {
        const int64_t from = opening.start, to = from + kDay;
        bool shown = false;
        int worked = 0, rest = 0, longest = 0;
        for (int64_t minute = from; minute < to; ++minute) {
            bool busy = false;
            for (const WorkSpan& s : w.spans) {
                busy = busy || (s.start <= minute && minute < s.end);
                shown = shown || (s.shown && s.start < to && s.end > from);
            }
            worked += busy;
            rest = busy ? 0 : rest + 1;
            longest = std::max(longest, rest);
        }
        if (!shown) continue;
        if (longest < l.daily_rest)
            out.push_back({w.worker_id, LawRule::DailyRest, from, to, longest, l.daily_rest});
        if (worked > l.day_length)
            out.push_back({w.worker_id, LawRule::DayLength, from, to, worked, l.day_length});
    }
    return out;
}

// Random overlapping, nested and neighbouring-month spans.
TEST(LawCheck, EmployeeDaysAsCountedMinuteByMinute) {
    std::mt19937 random(11);
    LawLimits limits = only(&LawLimits::daily_rest_on);
    limits.day_length_on = true;
    const LawPeriod period{30, 0, -100 * kDay};
    for (int round = 0; round < 60; ++round) {
        WorkerTime w{3, {}, 0};
        const int count = static_cast<int>(random() % 12);
        for (int i = 0; i < count; ++i) {
            const int64_t start = static_cast<int64_t>(random() % (6 * kDay)) - kDay;
            const int64_t length = 1 + static_cast<int64_t>(random() % 1800);
            w.spans.push_back({start, start + length, random() % 3 != 0});
        }
        std::sort(w.spans.begin(), w.spans.end(),
                  [](const WorkSpan& a, const WorkSpan& b) { return a.start < b.start; });
        std::vector<LawFinding> expected = employee_days_by_minute(w, limits);
        std::stable_sort(
            expected.begin(), expected.end(),
            [](const LawFinding& a, const LawFinding& b) { return a.start < b.start; });
        EXPECT_EQ(check_worker(w, period, limits), expected) << "round " << round;
    }
}

// A register checked whole finds for each worker what checking that worker alone finds, with
// the neighbouring months' duties of several workers interleaved in their files.
TEST(LawCheck, RegisterCheckedWholeAsWorkerByWorker) {
    std::mt19937 random(3);
    // Days near the months' edges, where the neighbouring months count.
    const auto duty = [&](uint16_t worker, int first_day) {
        Duty d;
        d.seq = 1;
        d.worker_id = worker;
        d.group_id = 1;
        d.day_no = static_cast<uint16_t>(first_day + random() % 2);
        d.start = static_cast<uint16_t>(random() % 1440);
        d.duration = static_cast<uint16_t>(240 + random() % 1000);
        d.overtime = static_cast<int16_t>(random() % 120);
        return d;
    };
    Roster roster;
    roster.shown_year = 2025;
    roster.shown_month = 2;
    LawNeighbours n;
    n.previous = {2025, 2, {}, {}};
    n.next = {2025, 4, {}, {}};
    n.earlier_this_year = {{2025, 1, {}, {}}, n.previous};
    for (const uint16_t id : {5, 2, 9}) {
        Worker w;
        w.id = id;
        for (const int first_day : {1, 3, 28, 30}) {
            const Duty d = duty(id, first_day);
            w.duties[d.day_no - 1] = d;
        }
        roster.workers.push_back(w);
    }
    for (int i = 0; i < 30; ++i) {
        const uint16_t id = roster.workers[random() % 3].id;
        n.previous.duties.push_back(duty(id, 27));
        n.next.duties.push_back(duty(id, 1));
        n.earlier_this_year[0].duties.push_back(duty(id, 1));
    }
    const LawLimits limits;
    std::vector<LawFinding> one_by_one;
    for (int i = 0; i < 3; ++i) {
        const auto found = check_worker(worker_time(roster, i, n), law_period(roster, n), limits);
        one_by_one.insert(one_by_one.end(), found.begin(), found.end());
    }
    EXPECT_FALSE(one_by_one.empty());
    EXPECT_NE(law_findings(roster, LawNeighbours{}, limits, 0), one_by_one);
    EXPECT_EQ(law_findings(roster, n, limits, 0, one_by_one), one_by_one);
}

TEST(LawCheck, FindingTextsCiteTheLaw) {
    EXPECT_EQ(law_finding_text({7, LawRule::DailyRest, 0, 1440, 659, 660}),
              "Odpoczynek dobowy najwy\xBF"
              "ej 10:59 zamiast 11:00, brakuje 00:01 (art. 132 \xA7 1 KP)");
    EXPECT_STREQ(law_rule_name(LawRule::SameDayTwice), "same_day_twice");
}

TEST(LawCheck, SettingsRoundTripAndAnOlderFileStaysAsItWas) {
    const std::string older = "[glowne]\r\nlang=0\r\n[wydruki]\r\nosoby=10\r\n";
    IniFile file = IniFile::parse(older);
    write_law_limits(file, read_law_limits(file));
    EXPECT_EQ(file.text(), older);

    LawLimits changed;
    changed.daily_rest = 600;
    changed.weekly_rest_on = false;
    changed.day_length = 2000;
    changed.ask_after_drop = true;
    write_law_limits(file, changed);
    EXPECT_EQ(file.text(),
              older +
                  "[kontrola_czasu_pracy]\r\nodpoczynek_dobowy=10:00\r\nodpoczynek_dobowy_wl=1\r\n"
                  "dwa_dyzury_w_dobie_wl=1\r\nodpoczynek_tygodniowy=35:00\r\n"
                  "odpoczynek_tygodniowy_wl=0\r\npraca_w_dobie=33:20\r\npraca_w_dobie_wl=1\r\n"
                  "praca_tygodniowo=48:00\r\npraca_tygodniowo_wl=1\r\n"
                  "nadgodziny_w_roku=150:00\r\nnadgodziny_w_roku_wl=1\r\n"
                  "pytaj_po_upuszczeniu=1\r\n");
    changed.day_length = 1440;  // a day holds no more
    EXPECT_EQ(read_law_limits(IniFile::parse(file.text())), changed);
    EXPECT_EQ(read_law_limits(IniFile::parse("[kontrola_czasu_pracy]\r\npraca_w_dobie=x\r\n")),
              LawLimits{});
}

std::string duty(int n, int group, int worker, int day, int length, int start) {
    return "d" + std::to_string(n) + "=" + std::to_string(group) + "\xA4" + std::to_string(worker) +
           "\xA4" + std::to_string(day) + "\xA4" + std::to_string(length) + "\xA4" + "1\xA4" +
           std::to_string(start) + "\xA4" + "0\xA4\xA4" + "0\r\n";
}

// Worker 5 of group 1 ends April with a night and works for group 2 too; worker 6 is rested.
TEST(LawCheck, CheckCommandReadsTheNeighbouringMonthsAndChangesNoFile) {
    if (!std::filesystem::exists(TABREL_CLI)) GTEST_SKIP() << "tabrel-cli is not built";
    test::TempDir data;
    test::spit(data / "tabrel.ini",
               "[g0]\r\nid=1\r\nnazwa=A\r\nzod0=420\r\nzile0=720\r\n"
               "[g1]\r\nid=2\r\nnazwa=B\r\nzod0=420\r\nzile0=720\r\n"
               "[k0]\r\nid=5\r\ngrupa=1\r\nnazwisko=Nowak\r\nimie=Anna\r\n"
               "[k1]\r\nid=6\r\ngrupa=2\r\nnazwisko=\xA3uk\r\nimie=Ewa\r\n");
    test::spit(data / "2024_04.tbr", "[dyzury]\r\n" + duty(1, 1, 5, 30, 720, 1140));
    test::spit(data / "2024_05.tbr", "[dyzury]\r\n" + duty(1, 1, 5, 1, 720, 1080) +
                                         duty(2, 1, 5, 8, 720, 1140) + duty(3, 2, 5, 9, 720, 420) +
                                         duty(4, 2, 6, 9, 720, 420));
    const auto before = test::slurp(data / "2024_05.tbr");

    const test::CliRun run = test::run_cli(data.path(), "check 2024-05");
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::json json = nlohmann::json::parse(run.out);
    std::string found;
    for (const auto& f : json["findings"])
        found += f["worker_id"].dump() + " " + f["rule"].get<std::string>() + " " +
                 f["start"].get<std::string>() + " " + f["end"].get<std::string>() + " " +
                 f["found_minutes"].dump() + "/" + f["limit_minutes"].dump() + "\n";
    // April's night and May 1st's 18:00 leave exactly 11:00 of rest, but one day holds both.
    EXPECT_EQ(found,
              "5 day_length 2024-04-30T19:00 2024-05-01T19:00 780/720\n"
              "5 same_day_twice 2024-04-30T19:00 2024-05-01T19:00 1380/1440\n"
              "5 daily_rest 2024-05-08T19:00 2024-05-09T19:00 0/660\n"
              "5 day_length 2024-05-08T19:00 2024-05-09T19:00 1440/720\n"
              "5 same_day_twice 2024-05-08T19:00 2024-05-09T19:00 720/1440\n");
    EXPECT_EQ(test::run_cli(data.path(), "check 2024-05 --strict").status, 3);
    EXPECT_EQ(test::run_cli(data.path(), "check 2024-05 --group 2 --strict").status, 0);
    EXPECT_EQ(test::slurp(data / "2024_05.tbr"), before);
}

}  // namespace
}  // namespace tabrel
