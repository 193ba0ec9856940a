#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "support/test_support.h"

namespace tabrel {
namespace {

// Groups 1 and 2, worker 5 in group 1 and worker 6 in group 2; in May 2024 worker 5 has a
// night duty on Wednesday 8th, a day duty for group 2 on the 9th and leave from the 13th to
// the 17th; worker 99 is not in the register.
struct WardFolder {
    test::TempDir data;
    const std::string month =
        "[dyzury]\r\nd1=1\xA4"
        "5\xA4"
        "8\xA4"
        "720\xA4"
        "2\xA4"
        "1140\xA4"
        "0\xA4\xA4"
        "0\r\n"
        "d2=2\xA4"
        "5\xA4"
        "9\xA4"
        "720\xA4"
        "1\xA4"
        "420\xA4"
        "0\xA4\xA4"
        "0\r\n"
        "d3=1\xA4"
        "99\xA4"
        "10\xA4"
        "720\xA4"
        "1\xA4"
        "420\xA4"
        "0\xA4\xA4"
        "0\r\n"
        "[wolne]\r\nw1=1\xA4"
        "5\xA4"
        "13\xA4"
        "17\xA4"
        "2275\xA4u\r\n";

    WardFolder() {
        test::spit(data / "tabrel.ini",
                   "[g0]\r\nid=1\r\nnazwa=A\r\nzod0=420\r\nzile0=720\r\nzod1=1140\r\nzile1=720\r\n"
                   "[g1]\r\nid=2\r\nnazwa=B\r\nzod0=420\r\nzile0=720\r\n"
                   "[k0]\r\nid=5\r\ngrupa=1\r\nnazwisko=Nowak\r\nimie=Anna\r\n"
                   "[k1]\r\nid=6\r\ngrupa=2\r\nnazwisko=Kowalska\r\nimie=Ewa\r\n");
        test::spit(data / "2024_05.tbr", month);
    }
};

TEST(MonthCommand, PrintsTheSummariesOfTheShownGroupOrOfAllGroups) {
    if (!std::filesystem::exists(TABREL_CLI)) GTEST_SKIP() << "tabrel-cli is not built";
    WardFolder ward;
    const test::CliRun run = test::run_cli(ward.data.path(), "month 2024-05");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["calendar"]["working_days"], 20);
    ASSERT_EQ(json["workers"].size(), 2u);
    const auto& anna = json["workers"][0];
    EXPECT_EQ(anna["id"], 5);
    EXPECT_EQ(anna["nazwisko"], "Nowak");
    EXPECT_EQ(anna["member"], true);
    EXPECT_EQ(json["workers"][1]["member"], false);
    const auto& s = anna["summary"];
    EXPECT_EQ(s["duty_count"], 1);
    EXPECT_EQ(s["hours_D"], 240);
    EXPECT_EQ(s["hours_N"], 480);
    EXPECT_EQ(s["leave_days"], 5);
    EXPECT_EQ(s["kind_minutes"]["u"], 2275);
    EXPECT_EQ(s["kind_minutes"].size(), 17u);
    EXPECT_EQ(s["leave_toward_norm"], 2275);
    EXPECT_EQ(s["norm"], 20 * 455);
    ASSERT_EQ(anna["days"].size(), 32u);
    EXPECT_EQ(anna["days"][7]["night_minutes"], 480);
    EXPECT_EQ(anna["days"][8]["symbol"], "D");
    EXPECT_EQ(anna["days"][8]["shown_minutes"], 60);
    EXPECT_EQ(anna["days"][12]["kind"], "u");

    const auto all =
        nlohmann::json::parse(test::run_cli(ward.data.path(), "month 2024-05 --all-groups").out);
    EXPECT_EQ(all["workers"][0]["summary"]["duty_count"], 2);
    EXPECT_EQ(all["workers"][0]["summary"]["hours_D"], 960);

    const auto second =
        nlohmann::json::parse(test::run_cli(ward.data.path(), "month 2024-05 --group 2").out);
    EXPECT_EQ(second["workers"][0]["member"], false);
    EXPECT_EQ(second["workers"][0]["summary"]["hours_D"], 720);

    EXPECT_EQ(test::run_cli(ward.data.path(), "month 2024-05 --group 7").status, 1);
    EXPECT_EQ(test::run_cli(ward.data.path(), "month May").status, 2);
}

TEST(MonthCommand, ResaveWritesTheMonthBackAndKeepsAFileThatDoesNotLoad) {
    if (!std::filesystem::exists(TABREL_CLI)) GTEST_SKIP() << "tabrel-cli is not built";
    WardFolder ward;
    ASSERT_EQ(test::run_cli(ward.data.path(), "month-resave 2024-05").status, 0);
    const std::string first = test::slurp(ward.data / "2024_05.tbr");
    EXPECT_NE(first.find("[g2]\r\n"), std::string::npos);
    EXPECT_NE(first.find("d3=1\xA4"
                         "99\xA4"
                         "10\xA4"
                         "720\xA4"
                         "1\xA4"
                         "420\xA4"
                         "0\xA4\xA4"
                         "0\r\n"),
              std::string::npos);
    ASSERT_EQ(test::run_cli(ward.data.path(), "month-resave 2024-05").status, 0);
    EXPECT_EQ(test::slurp(ward.data / "2024_05.tbr"), first);

    const std::string bad =
        "[dyzury]\r\nd1=1\xA4"
        "5\xA4"
        "x\r\n";
    test::spit(ward.data / "2024_05.tbr", bad);
    const test::CliRun run = test::run_cli(ward.data.path(), "month-resave 2024-05");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("2024_05.tbr"), std::string::npos);
    EXPECT_EQ(test::slurp(ward.data / "2024_05.tbr"), bad);
    EXPECT_EQ(test::run_cli(ward.data.path(), "month 2024-05").status, 1);
}

// A hand norm that no month norm can be stops every command that reads the month.
TEST(MonthCommand, AnOutOfRangeHandNormStopsTheLoadAndKeepsTheFile) {
    if (!std::filesystem::exists(TABREL_CLI)) GTEST_SKIP() << "tabrel-cli is not built";
    WardFolder ward;
    for (const char* norm : {"40000", "-5"}) {
        const std::string text = ward.month + "[g1]\r\nCustomNorma=1\r\nNorma=" + norm + "\r\n";
        test::spit(ward.data / "2024_05.tbr", text);
        for (const char* command : {"calendar", "month", "month-resave"}) {
            const test::CliRun run =
                test::run_cli(ward.data.path(), command + std::string(" 2024-05"));
            EXPECT_EQ(run.status, 1) << command << " " << norm;
            EXPECT_NE(run.err.find("2024_05.tbr [g1], wiersz 9"), std::string::npos) << run.err;
        }
        EXPECT_EQ(test::slurp(ward.data / "2024_05.tbr"), text);
    }
    test::spit(ward.data / "2024_05.tbr", ward.month + "[g1]\r\nCustomNorma=1\r\nNorma=32767\r\n");
    const auto calendar =
        nlohmann::json::parse(test::run_cli(ward.data.path(), "calendar 2024-05").out);
    EXPECT_EQ(calendar["group_norm"], 32767);
}

TEST(MonthCommand, WithoutGroupsGivesTheCalendarOfTheMonthAskedFor) {
    test::TempDir data;
    const test::CliRun month = test::run_cli(data.path(), "month 2025-04");
    ASSERT_EQ(month.status, 0) << month.err;
    const auto calendar = nlohmann::json::parse(test::run_cli(data.path(), "calendar 2025-04").out);
    const auto shown = nlohmann::json::parse(month.out)["calendar"];
    EXPECT_EQ(shown, calendar);
    EXPECT_EQ(shown["year"], 2025);
    EXPECT_EQ(shown["days"].size(), 30u);
    EXPECT_EQ(shown["days"][20]["holiday"], true);  // Easter Monday
    EXPECT_EQ(shown["working_days"], 21);
}

}  // namespace
}  // namespace tabrel
