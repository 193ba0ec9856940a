#include "month_command.h"

#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>

#include "calendar_command.h"
#include "cli_messages.h"
#include "i18n/cp1250.h"
#include "loaded_month.h"
#include "month_arguments.h"
#include "worktime/hour_split.h"

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

namespace tabrel {

namespace {

std::string letter(char kind) {
    return kind == 0 ? "" : cp1250_to_utf8(std::string(1, kind));
}

Json summary_json(const Worker& w) {
    const WorkerMonthSummary& s = w.summary;
    Json kinds = Json::object();
    for (int k = 0; k < kDayOffTypeCount; ++k) {
        const char kind = day_off_types()[k].letter;
        if (carries_hours(kind)) kinds[letter(kind)] = s.kind_minutes[k];
    }
    return {{"duty_count", w.duty_count},
            {"leave_days", w.leave_count},
            {"hours_D", s.hours_D},
            {"hours_N", s.hours_N},
            {"hours_S", s.hours_S},
            {"hours_D_saturday", s.hours_D_saturday},
            {"overtime_100", s.overtime_100},
            {"overtime_50", s.overtime_50},
            {"kind_minutes", kinds},
            {"worked_total", s.worked_total},
            {"leave_toward_norm_other", s.leave_toward_norm_other},
            {"leave_toward_norm", s.leave_toward_norm},
            {"carry_auto", w.carry_auto},
            {"carry_manual", w.carry_manual},
            {"carry_total", w.carry_total},
            {"own_norm_set", w.own_norm_set},
            {"own_norm", w.own_norm},
            {"norm", w.norma}};
}

Json days_json(const std::vector<DaySummary>& rows) {
    Json days = Json::array();
    for (const DaySummary& r : rows) {
        days.push_back({{"symbol", cp1250_to_utf8(r.symbol)},
                        {"kind", letter(r.kind)},
                        {"leave_minutes", r.leave_minutes},
                        {"shown_minutes", r.shown_minutes},
                        {"night_minutes", r.night_minutes},
                        {"day_minutes", r.day_minutes},
                        {"next_day_minutes", r.next_day_minutes},
                        {"overtime_100", r.overtime_100}});
    }
    return days;
}

Json workers_json(Roster& roster, const Options& options, bool all_groups) {
    const Group* group = roster.current();
    Json workers = Json::array();
    for (size_t i = 0; i < roster.workers.size(); ++i) {
        const auto rows = odswiez_pracownika(roster, options, static_cast<int>(i), all_groups);
        const Worker& w = roster.workers[i];
        workers.push_back({{"index", i},
                           {"id", w.id},
                           {"nazwisko", cp1250_to_utf8(w.nazwisko)},
                           {"imie", cp1250_to_utf8(w.imie)},
                           {"member", group != nullptr && belongs_to(w, group->id)},
                           {"old", w.old},
                           {"summary", summary_json(w)},
                           {"days", days_json(rows)}});
    }
    return workers;
}

Json month_json(LoadedMonth& month, bool all_groups) {
    return {{"calendar", calendar_json(month.roster().calendar, month.status())},
            {"workers", workers_json(month.roster(), month.options(), all_groups)}};
}

int run(const fs::path& data_dir, const MonthRequest& request, bool resave,
        const MonthChange& change = {}, const MonthAddition& addition = {}) {
    if (!fs::is_directory(data_dir)) return fail("no such data folder: " + data_dir.string());
    LoadedMonth month(data_dir, resave || change ? LoadPurpose::Editing : LoadPurpose::Reading);
    const std::string error = month.open(request.when.year, request.when.month, request.group_id);
    if (!error.empty()) return fail(error);
    if (change) {
        change(month.roster(), month.options());
        if (!month.save()) return fail("the month was not saved");
    }
    if (resave) return month.save() ? 0 : fail("the month was not saved");
    Json printed = month_json(month, request.all_groups);
    if (addition) addition(printed);
    std::cout << printed.dump(2) << '\n';
    return 0;
}

}  // namespace

int run_month_command(const fs::path& data_dir, const MonthRequest& request) {
    return run(data_dir, request, false);
}

int run_month_resave_command(const fs::path& data_dir, YearMonth when) {
    return run(data_dir, {when, std::nullopt, false}, true);
}

int run_changed_month_command(const fs::path& data_dir, const MonthRequest& request,
                              const MonthChange& change, const MonthAddition& addition) {
    return run(data_dir, request, false, change, addition);
}

}  // namespace tabrel
