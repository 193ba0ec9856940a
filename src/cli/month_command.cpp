#include "month_command.h"

#include <charconv>
#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>

#include "app/locale.h"
#include "app/month_switch.h"
#include "calendar_command.h"
#include "cli_messages.h"
#include "cli_prompter.h"
#include "i18n/cp1250.h"
#include "storage/data_folder_lock.h"
#include "storage/options_file.h"
#include "storage/staff_files.h"
#include "worktime/hour_split.h"

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

namespace tabrel {

namespace {

struct Request {
    int year = 0;
    int month = 0;
    std::optional<int> group_id;
    bool all_groups = false;
};

std::optional<int> number(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

bool parse_month(const std::string& when, Request& r) {
    const auto year = when.size() == 7 && when[4] == '-' ? number(when.substr(0, 4)) : std::nullopt;
    const auto month = year ? number(when.substr(5, 2)) : std::nullopt;
    if (!year || !month || *year < 1 || *month < 1 || *month > 12) return false;
    r.year = *year;
    r.month = *month;
    return true;
}

std::optional<Request> parse_arguments(const std::vector<std::string>& args, bool options_allowed,
                                       std::string& error) {
    Request r;
    if (args.empty() || !parse_month(args[0], r)) {
        error = args.empty() ? "a month YYYY-MM is needed"
                             : "not a month of the form YYYY-MM: " + args[0];
        return std::nullopt;
    }
    for (size_t i = 1; i < args.size(); ++i) {
        if (options_allowed && args[i] == "--all-groups") {
            r.all_groups = true;
        } else if (options_allowed && args[i] == "--group" && i + 1 < args.size()) {
            r.group_id = number(args[++i]);
            if (!r.group_id) {
                error = "not a group id: " + args[i];
                return std::nullopt;
            }
        } else {
            error = "unexpected argument: " + args[i];
            return std::nullopt;
        }
    }
    return r;
}

// The group shown: the one asked for, else the first that is not deleted; -1 for none.
std::optional<int> choose_group(const Roster& roster, std::optional<int> id) {
    for (size_t i = 0; i < roster.groups.size(); ++i) {
        const Group& g = roster.groups[i];
        if (id ? g.id == *id : !g.old) return static_cast<int>(i);
    }
    if (id) return std::nullopt;
    return -1;
}

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

// The data folder loaded as the program loads it, and the month shown.
class LoadedMonth {
public:
    explicit LoadedMonth(const fs::path& data_dir)
        : lock_(data_dir), prompter_(std::cerr), months_(roster_, options_, prompter_, locale_) {
        roster_.data_folder = data_dir;
    }

    // An error text, empty when the month is shown.
    std::string open(const Request& r) {
        if (lock_.status() != DataFolderLock::Status::Held)
            return "the data folder is in use or cannot be locked: " + roster_.data_folder.string();
        const StaffLoadResult load = wczytaj(roster_, prompter_);
        if (load.groups_failed || load.staff_failed)
            return "a file did not load completely: " + cp1250_to_utf8(load.message);
        roster_.rebuild_worker_ids();
        options_ = read_options(load_options_file(roster_.data_folder), locale_, today());
        const auto group = choose_group(roster_, r.group_id);
        if (!group) return "no group with id " + std::to_string(*r.group_id);
        roster_.current_group = static_cast<int16_t>(*group);
        status_ = months_.cb_MonthChange(r.year, r.month);
        if (months_.load_failed()) return "the month file did not load completely";
        return {};
    }

    Json json(bool all_groups) {
        return {{"calendar", calendar_json(roster_.calendar, status_)},
                {"workers", workers_json(roster_, options_, all_groups)}};
    }
    bool save() { return months_.save_at_exit(); }
    void apply(const MonthChange& change) { change(roster_, options_); }

private:
    DataFolderLock lock_;
    CliPrompter prompter_;
    Locale locale_;
    Roster roster_;
    Options options_;
    MonthSwitch months_;
    NormStatus status_;
};

int run(const fs::path& data_dir, const std::vector<std::string>& args, bool resave,
        const MonthChange& change = {}) {
    std::string error;
    const auto request = parse_arguments(args, !resave, error);
    if (!request) return fail(error);
    if (!fs::is_directory(data_dir)) return fail("no such data folder: " + data_dir.string());
    LoadedMonth month(data_dir);
    error = month.open(*request);
    if (!error.empty()) return fail(error);
    if (change) {
        month.apply(change);
        if (!month.save()) return fail("the month was not saved");
    }
    if (resave) return month.save() ? 0 : fail("the month was not saved");
    std::cout << month.json(request->all_groups).dump(2) << '\n';
    return 0;
}

}  // namespace

int run_month_command(const fs::path& data_dir, const std::vector<std::string>& args) {
    return run(data_dir, args, false);
}

int run_month_resave_command(const fs::path& data_dir, const std::vector<std::string>& args) {
    return run(data_dir, args, true);
}

int run_changed_month_command(const fs::path& data_dir, const std::vector<std::string>& args,
                              const MonthChange& change) {
    return run(data_dir, args, false, change);
}

}  // namespace tabrel
