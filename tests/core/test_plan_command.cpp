#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "support/test_support.h"

namespace tabrel {
namespace {

// A duty line of the month file: group, worker, day, length, shift, start, overtime, note,
// on request.
std::string duty_line(int n, int worker, int day) {
    return "d" + std::to_string(n) + "=1\xA4" + std::to_string(worker) + "\xA4" +
           std::to_string(day) + "\xA4" + "720\xA4" + "1\xA4" + "420\xA4" + "0\xA4\xA4" + "0\r\n";
}

// The [dyzury] section of a month file, up to the next section.
std::string duty_section(const std::string& month) {
    const size_t from = month.find("[dyzury]\r\n");
    if (from == std::string::npos) return {};
    return month.substr(from, month.find("\r\n[", from) + 2 - from);
}

// Group 1 with a day and a night shift; worker 5 on the rotation "1000", worker 6 left to hand
// planning with the day shift of Monday 3 June 2024 in the month file.
struct PlannedWard {
    test::TempDir data;

    PlannedWard() {
        test::spit(data / "tabrel.ini",
                   "[g0]\r\nid=1\r\nnazwa=A\r\nzod0=420\r\nzile0=720\r\nzod1=1140\r\nzile1=720\r\n"
                   "[k0]\r\nid=5\r\ngrupa=1\r\nnazwisko=Nowak\r\nimie=Anna\r\npref_dn=3\r\n"
                   "pref_zs=3\r\npref_without_auto=0\r\npref_system=1\r\n"
                   "pref_system_pattern=1000\r\n"
                   "[k1]\r\nid=6\r\ngrupa=1\r\nnazwisko=Kowalska\r\nimie=Ewa\r\n");
        test::spit(data / "2024_06.tbr", "[dyzury]\r\n" + duty_line(1, 6, 3));
    }
};

TEST(PlanCommand, AcceptedRunIsSavedAndPrinted) {
    if (!std::filesystem::exists(TABREL_CLI)) GTEST_SKIP() << "tabrel-cli is not built";
    PlannedWard ward;
    const test::CliRun run = test::run_cli(ward.data.path(), "plan 2024-06 --group 1 --accept");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("Czy zatwierdzić automatycznie wpisane dyżury? [tak]"),
              std::string::npos);

    std::string expected = "[dyzury]\r\n";
    int n = 0;
    for (int day = 1; day <= 29; day += 4) expected += duty_line(++n, 5, day);
    expected += duty_line(++n, 6, 3);
    EXPECT_EQ(duty_section(test::slurp(ward.data / "2024_06.tbr")), expected + "\r\n");

    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["workers"][0]["summary"]["duty_count"], 8);
    EXPECT_EQ(json["workers"][1]["summary"]["duty_count"], 1);
}

TEST(PlanCommand, DeclinedRunLeavesTheHandPlanningAndRefusalsChangeNothing) {
    if (!std::filesystem::exists(TABREL_CLI)) GTEST_SKIP() << "tabrel-cli is not built";
    PlannedWard ward;
    const test::CliRun run = test::run_cli(ward.data.path(), "plan 2024-06 --decline --group 1");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("Czy zatwierdzić automatycznie wpisane dyżury? [nie]"),
              std::string::npos);
    const std::string month = test::slurp(ward.data / "2024_06.tbr");
    EXPECT_EQ(duty_section(month), "[dyzury]\r\n" + duty_line(1, 6, 3) + "\r\n");
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["workers"][0]["summary"]["duty_count"], 0);

    const std::pair<const char*, int> refusals[] = {
        {"plan 2024-06 --group 1", 2},
        {"plan 2024-06 --accept", 2},
        {"plan 2024-06 --group 1 --accept --decline", 2},
        {"plan 2024-06 --group 9 --accept", 1},
        {"plan June --group 1 --accept", 2}};
    for (const auto& [refused, status] : refusals) {
        const test::CliRun bad = test::run_cli(ward.data.path(), refused);
        EXPECT_EQ(bad.status, status) << refused;
        EXPECT_TRUE(bad.out.empty()) << refused;
    }
    EXPECT_EQ(test::slurp(ward.data / "2024_06.tbr"), month);
}

// Worker 6 has "Wagary" (not counted toward the norm) over the day of the duty: a declined run,
// in either reading, leaves the month file as a plain resave writes it.
TEST(PlanCommand, DeclinedRunSavesTheMonthAsAResaveDoes) {
    if (!std::filesystem::exists(TABREL_CLI)) GTEST_SKIP() << "tabrel-cli is not built";
    std::string saved;
    for (const char* command : {"month-resave 2024-06", "plan 2024-06 --group 1 --decline",
                                "plan 2024-06 --group 1 --decline --all-groups"}) {
        PlannedWard ward;
        test::spit(ward.data / "2024_06.tbr", "[dyzury]\r\n" + duty_line(1, 6, 3) +
                                                  "[wolne]\r\nw1=1\xA4"
                                                  "6\xA4"
                                                  "2\xA4"
                                                  "4\xA4"
                                                  "0\xA4n\r\n");
        const test::CliRun run = test::run_cli(ward.data.path(), command);
        ASSERT_EQ(run.status, 0) << command << run.err;
        const std::string month = test::slurp(ward.data / "2024_06.tbr");
        if (saved.empty()) saved = month;
        EXPECT_EQ(month, saved) << command;
    }
}

}  // namespace
}  // namespace tabrel
