#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>

#include "optimizer/law_safety.h"
#include "optimizer/optimal_planner.h"
#include "optimizer/planned_entry.h"
#include "support/ward_fixture.h"
#include "worktime/law_findings.h"

namespace tabrel {

bool operator==(const PlannedDuty& a, const PlannedDuty& b) {
    return a.worker == b.worker && a.day == b.day && a.shift == b.shift && a.eight == b.eight;
}

namespace {

constexpr int kShift = 720;

bool has_duty(const OptimalPlan& plan, int worker, int day) {
    return std::any_of(plan.duties.begin(), plan.duties.end(),
                       [&](const PlannedDuty& p) { return p.worker == worker && p.day == day; });
}

// February 2026 (norm 20 x 07:35): days staffed by one head, nights by none; workers 5 to 8,
// worker 6 with a night placed by hand on day 3, worker 7 shared with group 2 and on its
// night of day 9, worker 8 on leave for days 2 to 8, worker 9 "Nie rozpisuj".
struct SmallWard : test::Ward {
    SmallWard() : test::Ward(2026, 2) {
        roster.groups[0].profile.shifts[0].zobsada = 1;
        roster.groups[0].profile.shifts[0].zobsadas = 1;
        for (uint16_t id : {6, 7, 8, 9}) hire(id);
        worker(7).grupy = "1|2|";
        worker(9).pref_without_auto = true;
        roster.dodaj_grupe(test::two_shift_group(2, "Chirurgia"), false);
        lay_out();
        duty(3, 2, 1140, kShift, 0, 1, 6);
        duty(9, 2, 1140, kShift, 0, 2, 7);
        day_off(2, 8, 'u', 1, 8);
    }
};

TEST(OptimalPlanner, SmallWardIsCoveredWithinNormAndRulesKeepingEveryEntry) {
    SmallWard ward;
    const Roster before = ward.roster;
    const OptimalPlan plan = plan_optimally(ward.roster, ward.options, {20, 0, false});
    EXPECT_EQ(plan.status, "optimal");
    EXPECT_EQ(plan.shortfall_minutes, 0);
    EXPECT_TRUE(plan.shortfall.empty());
    EXPECT_EQ(ward.roster.workers, before.workers) << "planning only reads";

    EXPECT_FALSE(has_duty(plan, 6, 4)) << "11 hours after the night of day 3";
    EXPECT_FALSE(has_duty(plan, 7, 10)) << "11 hours after the other group's night";
    for (int day = 2; day <= 8; ++day) EXPECT_FALSE(has_duty(plan, 8, day)) << day;
    EXPECT_FALSE(std::any_of(plan.duties.begin(), plan.duties.end(),
                             [](const PlannedDuty& p) { return p.worker == 9; }));
    ASSERT_EQ(plan.norms.size(), 4u);
    for (const NormDeviation& n : plan.norms) {
        EXPECT_LE(n.minutes, 0) << n.worker;
        EXPECT_GT(n.minutes, -kShift) << n.worker;
    }

    EXPECT_EQ(plan_optimally(ward.roster, ward.options, {20, 0, false}).duties, plan.duties);

    const auto findings = law_findings(ward.roster, {}, ward.options.law, 1);
    ward.prompter.answers = {true};
    EXPECT_TRUE(place_optimal_plan(ward.roster, ward.options, ward.prompter, plan, false));
    EXPECT_EQ(law_findings(ward.roster, {}, ward.options.law, 1), findings);
    for (size_t i = 0; i < before.workers.size(); ++i)
        for (int d = 0; d < 28; ++d) {
            const Duty& was = before.workers[i].duties[d];
            const Duty& is = ward.roster.workers[i].duties[d];
            if (was.seq != 0) {
                EXPECT_EQ(is, was) << i << " " << d;
            }
            if (is.seq != 0) {
                EXPECT_TRUE(is.accepted);
            }
        }
}

TEST(OptimalPlanner, DeclineRestoresTheMonthAndStopKeepsTheBestSoFar) {
    SmallWard ward;
    int told = 0;
    const OptimalPlan plan = plan_optimally(ward.roster, ward.options, {20, 0, false},
                                            [&](const OptimizerProgress&) { return ++told < 1; });
    EXPECT_EQ(told, 1);
    EXPECT_EQ(plan.status, "stopped");
    EXPECT_FALSE(plan.duties.empty());

    const Roster before = ward.roster;
    ward.prompter.answers = {false};
    EXPECT_FALSE(place_optimal_plan(ward.roster, ward.options, ward.prompter, plan, false));
    ASSERT_EQ(ward.prompter.asked.size(), 1u);
    EXPECT_EQ(ward.prompter.asked[0], "Czy zatwierdzi\xE6 automatycznie wpisane dy\xBFury?");
    for (size_t i = 0; i < before.workers.size(); ++i) {
        EXPECT_EQ(ward.roster.workers[i].duties, before.workers[i].duties);
        EXPECT_EQ(ward.roster.workers[i].days_off, before.workers[i].days_off);
    }
    EXPECT_EQ(ward.roster.calendar.days, before.calendar.days);
}

// One worker with unlimited overtime and no monthly hours limit: only the rests bound the plan.
// Week 1 holds the hand-placed night of day 3, so day 4 is out (11 hours) and one more day
// must go for 35 hours of rest; each later week keeps one free day: 22 duties, 6 heads short.
TEST(OptimalPlanner, RestRulesForbidTheObviousPlan) {
    test::Ward ward(2026, 2);
    ward.roster.groups[0].profile.shifts[0].zobsada = 1;
    ward.roster.groups[0].profile.shifts[0].zobsadas = 1;
    ward.lay_out();
    ward.duty(3, 2, 1140, kShift);
    ward.options.law.weekly_hours_on = false;
    const OptimalPlan plan = plan_optimally(ward.roster, ward.options, {20, 20000, false});
    EXPECT_EQ(plan.status, "optimal");
    EXPECT_EQ(plan.duties.size(), 22u);
    EXPECT_EQ(plan.shortfall_minutes, 6 * kShift);
    EXPECT_FALSE(has_duty(plan, 5, 4));
}

TEST(OptimalPlanner, LastCheckDropsADutyThatBreaksARule) {
    SmallWard ward;
    std::vector<PlannedDuty> duties = {{6, 4, 1, false}, {6, 5, 1, false}};
    const auto dropped = drop_law_breaking(ward.roster, {}, ward.options.law, duties);
    EXPECT_EQ(dropped, (std::vector<PlannedDuty>{{6, 4, 1, false}}));
    EXPECT_EQ(duties, (std::vector<PlannedDuty>{{6, 5, 1, false}}));
}

// June 2024, both shifts staffed by one head; workers 5 and 6 (the latter with a day placed by
// hand) reach 12 and 11 duties of their norm: 36 of 60 heads stay short.
TEST(OptimalPlanner, CommandPrintsTheSearchAndADeclineLeavesTheFileAsItWas) {
    if (!std::filesystem::exists(TABREL_CLI)) GTEST_SKIP() << "tabrel-cli is not built";
    test::TempDir data;
    test::spit(data / "tabrel.ini",
               "[g0]\r\nid=1\r\nnazwa=A\r\nzod0=420\r\nzile0=720\r\nzobsada0=1\r\n"
               "zobsadas0=1\r\nzod1=1140\r\nzile1=720\r\nzobsada1=1\r\nzobsadas1=1\r\n"
               "[k0]\r\nid=5\r\ngrupa=1\r\nnazwisko=Nowak\r\npref_without_auto=0\r\n"
               "[k1]\r\nid=6\r\ngrupa=1\r\nnazwisko=Lis\r\npref_without_auto=0\r\n");
    test::spit(data / "2024_06.tbr",
               "[dyzury]\r\nd1=1\xA4"
               "6\xA4"
               "3\xA4"
               "720\xA4"
               "1\xA4"
               "420\xA4"
               "0\xA4\xA4"
               "0\r\n");
    ASSERT_EQ(test::run_cli(data.path(), "month-resave 2024-06").status, 0);
    const std::string saved = test::slurp(data / "2024_06.tbr");

    const test::CliRun run =
        test::run_cli(data.path(), "plan 2024-06 --group 1 --optimize --seconds 20 --decline");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(test::slurp(data / "2024_06.tbr"), saved);
    const auto json = nlohmann::ordered_json::parse(run.out);
    std::vector<std::string> keys;
    for (const auto& [key, value] : json.items()) keys.push_back(key);
    EXPECT_EQ(keys, (std::vector<std::string>{"calendar", "workers", "optimizer"}));
    keys.clear();
    for (const auto& [key, value] : json["optimizer"].items()) keys.push_back(key);
    EXPECT_EQ(keys,
              (std::vector<std::string>{"status", "seconds", "shortfall_minutes", "objective"}));
    EXPECT_EQ(json["optimizer"]["status"], "optimal");
    EXPECT_EQ(json["optimizer"]["shortfall_minutes"], 36 * kShift);
    EXPECT_EQ(json["workers"][0]["summary"]["duty_count"], 0);

    EXPECT_EQ(test::run_cli(data.path(), "plan 2024-06 --group 1 --seconds 5 --accept").status, 2)
        << "--seconds needs --optimize";
}

}  // namespace
}  // namespace tabrel
