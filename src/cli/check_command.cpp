#include "check_command.h"

#include <iostream>
#include <nlohmann/json.hpp>

#include "cli_messages.h"
#include "i18n/cp1250.h"
#include "loaded_month.h"
#include "worktime/law_findings.h"
#include "worktime/law_moment.h"

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

namespace tabrel {

namespace {

Json finding_json(const Roster& roster, const LawFinding& f, YearMonth when) {
    const Worker& w = roster.workers[roster.worker_index(f.worker_id)];
    return {{"worker_id", f.worker_id},
            {"nazwisko", cp1250_to_utf8(w.nazwisko)},
            {"imie", cp1250_to_utf8(w.imie)},
            {"rule", law_rule_name(f.rule)},
            {"start", iso_moment(law_moment(when.year, when.month, f.start))},
            {"end", iso_moment(law_moment(when.year, when.month, f.end))},
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
    const LawNeighbours n = shown_month_neighbours(roster);
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
