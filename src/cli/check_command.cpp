#include "check_command.h"

#include <cstdio>
#include <iostream>
#include <nlohmann/json.hpp>

#include "cli_messages.h"
#include "i18n/cp1250.h"
#include "loaded_month.h"
#include "worktime/law_findings.h"

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

namespace tabrel {

namespace {

constexpr int64_t kDay = 1440;

// A moment in minutes from the shown month's first midnight as "YYYY-MM-DDTHH:MM".
std::string local_time(int year, int month, int64_t minutes) {
    int64_t day = minutes / kDay - (minutes % kDay < 0 ? 1 : 0);
    const int64_t clock = minutes - day * kDay;
    while (day < 0) {
        if (--month == 0) month = 12, --year;
        day += days_in_month(year, month);
    }
    while (day >= days_in_month(year, month)) {
        day -= days_in_month(year, month);
        if (++month == 13) month = 1, ++year;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d", year, month,
                  static_cast<int>(day + 1), static_cast<int>(clock / 60),
                  static_cast<int>(clock % 60));
    return text;
}

Json finding_json(const Roster& roster, const LawFinding& f, YearMonth when) {
    const Worker& w = roster.workers[roster.worker_index(f.worker_id)];
    return {{"worker_id", f.worker_id},
            {"nazwisko", cp1250_to_utf8(w.nazwisko)},
            {"imie", cp1250_to_utf8(w.imie)},
            {"rule", law_rule_name(f.rule)},
            {"start", local_time(when.year, when.month, f.start)},
            {"end", local_time(when.year, when.month, f.end)},
            {"found_minutes", f.found},
            {"limit_minutes", f.limit},
            {"notice", f.notice},
            {"text", cp1250_to_utf8(law_finding_text(f))}};
}

}  // namespace

int run_check_command(const fs::path& data_dir, const CheckRequest& request) {
    if (!fs::is_directory(data_dir)) return fail("no such data folder: " + data_dir.string());
    const YearMonth when = request.month.when;
    LoadedMonth month(data_dir, LoadPurpose::Reading);
    const std::string error = month.open(when.year, when.month, request.month.group_id);
    if (!error.empty()) return fail(error);
    const Roster& roster = month.roster();
    const Group* shown = roster.current();
    const LawNeighbours n =
        read_law_neighbours(data_dir, when.year, when.month, shown ? shown->id : 0,
                            shown != nullptr && shown->NewPeriod);
    if (!n.error.empty()) return fail(cp1250_to_utf8(n.error));
    const uint16_t group_id = request.month.group_id && shown ? shown->id : 0;
    const auto findings = law_findings(roster, n, month.options().law, group_id);
    Json list = Json::array();
    bool beyond = false;
    for (const LawFinding& f : findings) {
        list.push_back(finding_json(roster, f, when));
        beyond = beyond || !f.notice;
    }
    std::cout << Json{{"findings", list}}.dump(2) << '\n';
    return request.strict && beyond ? kExitFindings : 0;
}

}  // namespace tabrel
