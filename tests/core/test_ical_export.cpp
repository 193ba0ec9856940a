#include <gtest/gtest.h>
#include <libical/ical.h>

#include <map>
#include <regex>
#include <set>

#include "base/locale.h"
#include "export/export_months.h"
#include "export/ical_calendar.h"
#include "i18n/cp1250.h"
#include "storage/staff_files.h"
#include "support/ward_fixture.h"

namespace tabrel {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono;

const std::string kNote =
    "Zamiana z Ewą; oddział, sala 13\\4 — zażółć gęślą jaźń, pilnować "
    "kroplówek u pacjentów łóżek 7-12";

// Group 1 "Chirurgia" (Dzienna 07:00, Nocna 19:00), group 2 "Izba; przyjęć"; Nowak ("AN",
// id 5) in both, Kowalska ("EK", id 6) in group 1. The staff go into kadra.inr as the
// program stores them. March 2024 ends with the clock change on the 31st; October 2024 has
// it on the 27th.
struct IcalWard {
    test::TempDir dir;
    Roster roster;
    Options options;

    IcalWard() {
        roster.data_folder = dir.path();
        Group chirurgia = test::two_shift_group(1, "Chirurgia");
        chirurgia.profile.shifts[0].znazwa = "Dzienna";
        chirurgia.profile.shifts[1].znazwa = "Nocna";
        roster.groups = {chirurgia, test::two_shift_group(2, cp("Izba; przyjęć"))};
        hire(5, "AN", "1|2|");
        hire(6, "EK", "1|");
        EXPECT_TRUE(zapisz(roster, Locale{}, system_clock()));
        roster.rebuild_worker_ids();
        month("2024_03.tbr", "[dyzury]\r\nd1=1¤5¤5¤720¤1¤420¤0¤¤0\r\nd2=1¤5¤30¤720¤2¤1140¤90¤" +
                                 kNote +
                                 "¤0\r\nd3=2¤5¤12¤720¤1¤420¤0¤¤0\r\n"
                                 "d4=1¤6¤12¤720¤2¤1140¤0¤¤0\r\n"
                                 "[wolne]\r\nw1=1¤5¤28¤31¤0¤u\r\n");
        month("2024_04.tbr", "[wolne]\r\nw1=1¤5¤1¤3¤0¤u\r\n");
        month("2024_10.tbr", "[dyzury]\r\nd1=1¤5¤26¤720¤2¤1140¤0¤¤0\r\n");
    }
    void hire(uint16_t id, const char* pseudo, const char* grupy) {
        Worker w;
        w.id = id;
        w.pseudo = pseudo;
        w.grupy = grupy;
        w.nazwisko = id == 5 ? "Nowak" : "Kowalska";
        roster.workers.push_back(w);
    }
    void month(const char* name, const std::string& utf8) { test::spit(dir / name, cp(utf8)); }

    std::string export_text(IcalTarget target, int year, int month, int count) {
        const ExportMonths months = export_months(roster, year, month, count);
        EXPECT_EQ(months.error, "");
        return ical_calendar(roster, options, target, months.months,
                             sys_days(2024y / 5 / 2) + 13h + 4min + 5s);
    }
};

constexpr IcalTarget kNowak{IcalTarget::Kind::Worker, 5};
constexpr IcalTarget kChirurgia{IcalTarget::Kind::Group, 1};

std::string without_folder_hash(const std::string& text) {
    return std::regex_replace(text, std::regex("-[0-9a-f]{16}@tabrel"), "-H@tabrel");
}

TEST(IcalExport, WritesFoldedEscapedUtf8LinesWithLocalTimes) {
    IcalWard w;
    const std::string text = without_folder_hash(w.export_text(kNowak, 2024, 3, 1));
    EXPECT_EQ(text.rfind("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Dravik//Tabrel 3.50//PL\r\n"
                         "CALSCALE:GREGORIAN\r\nBEGIN:VTIMEZONE\r\nTZID:Europe/Warsaw\r\n",
                         0),
              0u);
    // The note's "ó" (2 octets) would straddle octet 75 of the DESCRIPTION's first line.
    EXPECT_NE(
        text.find("BEGIN:VEVENT\r\n"
                  "UID:dyzur-20240330-w5-g1-s2-H@tabrel\r\n"
                  "DTSTAMP:20240502T130405Z\r\n"
                  "DTSTART;TZID=Europe/Warsaw:20240330T190000\r\n"
                  "DTEND;TZID=Europe/Warsaw:20240331T070000\r\n"
                  "SUMMARY:Nocna - Chirurgia\r\n"
                  "DESCRIPTION:19:00 - 07:00\\nZamiana z Ewą\\; oddział\\, sala 13\\\\4 — zaż\r\n"
                  " ółć gęślą jaźń\\, pilnować kroplówek u pacjentów łóżek 7-12\\n\r\n"
                  " Godziny nadliczbowe: 01:30\r\n"
                  "END:VEVENT\r\n"),
        std::string::npos)
        << text;
    EXPECT_NE(text.find("BEGIN:VEVENT\r\nUID:wolne-20240328-w5-g1-k1-H@tabrel\r\n"
                        "DTSTAMP:20240502T130405Z\r\nDTSTART;VALUE=DATE:20240328\r\n"
                        "DTEND;VALUE=DATE:20240401\r\nSUMMARY:Wypoczynkowy\r\n"
                        "TRANSP:TRANSPARENT\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n"),
              std::string::npos)
        << text;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) EXPECT_LE(line.size(), 76u) << line;
}

struct Event {
    std::string start, end;  // local, as libical writes them
    long seconds;            // real time between them
};

// Every VEVENT by summary, after checking the file parses without an error or warning.
std::multimap<std::string, Event> parsed(const std::string& text) {
    icalcomponent* cal = icalparser_parse_string(text.c_str());
    EXPECT_NE(cal, nullptr);
    if (!cal) return {};
    EXPECT_EQ(icalcomponent_count_errors(cal), 0) << icalcomponent_as_ical_string(cal);
    std::multimap<std::string, Event> events;
    for (icalcomponent* e = icalcomponent_get_first_component(cal, ICAL_VEVENT_COMPONENT); e;
         e = icalcomponent_get_next_component(cal, ICAL_VEVENT_COMPONENT)) {
        const icaltimetype start = icalcomponent_get_dtstart(e);
        const icaltimetype end = icalcomponent_get_dtend(e);
        EXPECT_TRUE(start.is_date || start.zone != nullptr) << "unknown TZID";
        events.emplace(icalcomponent_get_summary(e),
                       Event{icaltime_as_ical_string(start), icaltime_as_ical_string(end),
                             static_cast<long>(icaltime_as_timet_with_zone(end, end.zone) -
                                               icaltime_as_timet_with_zone(start, start.zone))});
    }
    icalcomponent_free(cal);
    return events;
}

TEST(IcalExport, ImportsIntoLibicalWithTheGridsLocalTimes) {
    IcalWard w;
    struct Case {
        IcalTarget target;
        int month, count;
        std::multimap<std::string, Event> events;
    };
    const std::vector<Case> cases = {
        {kNowak,
         3,
         2,
         {{"Dzienna - Chirurgia", {"20240305T070000", "20240305T190000", 12 * 3600}},
          {"Nocna - Chirurgia", {"20240330T190000", "20240331T070000", 11 * 3600}},
          {"R - Izba; przyjęć", {"20240312T070000", "20240312T190000", 12 * 3600}},
          // One leave over the month end, its end exclusive.
          {"Wypoczynkowy", {"20240328", "20240404", 7 * 86400 - 3600}}}},
        {kChirurgia,
         3,
         1,
         {{"AN: Dzienna - Chirurgia", {"20240305T070000", "20240305T190000", 12 * 3600}},
          {"AN: Nocna - Chirurgia", {"20240330T190000", "20240331T070000", 11 * 3600}},
          {"EK: Nocna - Chirurgia", {"20240312T190000", "20240313T070000", 12 * 3600}},
          {"AN: Wypoczynkowy", {"20240328", "20240401", 4 * 86400 - 3600}}}},
        {kNowak, 10, 1, {{"Nocna - Chirurgia", {"20241026T190000", "20241027T070000", 13 * 3600}}}},
    };
    for (const Case& c : cases) {
        const auto events = parsed(w.export_text(c.target, 2024, c.month, c.count));
        ASSERT_EQ(events.size(), c.events.size()) << c.month;
        for (const auto& [summary, e] : c.events) {
            const auto found = events.find(summary);
            ASSERT_NE(found, events.end()) << summary;
            EXPECT_EQ(found->second.start, e.start) << summary;
            EXPECT_EQ(found->second.end, e.end) << summary;
            if (e.start.size() > 8) {
                EXPECT_EQ(found->second.seconds, e.seconds) << summary;
            }
        }
    }
}

// Every file of the folder with its bytes.
std::map<fs::path, std::string> snapshot(const fs::path& folder) {
    std::map<fs::path, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        files[entry.path()] = entry.is_regular_file() ? test::slurp(entry.path()) : "";
    return files;
}

TEST(IcalExport, CliWritesTheCoresCalendarAndNothingInTheDataFolder) {
    if (!fs::exists(TABREL_CLI)) GTEST_SKIP() << "tabrel-cli is not built";
    IcalWard w;
    test::TempDir out;
    const auto before = snapshot(w.dir.path());
    const fs::path file = out / "nowak.ics";
    test::CliRun run = test::run_cli(
        w.dir.path(), "ical 2024-03 --worker 5 --months 2 --out '" + file.string() + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, file.string() + "\n");
    const std::regex stamp("DTSTAMP:[0-9T]+Z");
    EXPECT_EQ(std::regex_replace(test::slurp(file), stamp, "DTSTAMP:X"),
              std::regex_replace(w.export_text(kNowak, 2024, 3, 2), stamp, "DTSTAMP:X"));
    run = test::run_cli(w.dir.path(), "ical 2024-10 --group 1");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(parsed(run.out).count("AN: Nocna - Chirurgia"), 1u);
    const struct {
        const char* args;
        int status;  // 2 wrong usage, 1 no such worker or group
    } wrongs[] = {{"ical 2024-03", 2},
                  {"ical 2024-03 --worker 5 --group 1", 2},
                  {"ical 2024-03 --worker 99", 1},
                  {"ical 2024-03 --group 9", 1},
                  {"ical 2024-03 --worker 5 --months 0", 2},
                  {"ical 2024-13 --worker 5", 2}};
    for (const auto& wrong : wrongs) {
        run = test::run_cli(w.dir.path(), wrong.args);
        EXPECT_EQ(run.status, wrong.status) << wrong.args;
        EXPECT_EQ(run.out, "") << wrong.args;
    }
    EXPECT_EQ(snapshot(w.dir.path()), before);
}

}  // namespace
}  // namespace tabrel
