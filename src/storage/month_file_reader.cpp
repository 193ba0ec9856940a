#include <algorithm>
#include <limits>
#include <unordered_set>

#include "i18n/cp1250.h"
#include "i18n/text.h"
#include "storage/companion_copies.h"
#include "storage/conversion_error.h"
#include "storage/ini_section.h"
#include "storage/month_file.h"
#include "storage/month_group.h"
#include "storage/month_lines.h"
#include "storage/month_paths.h"
#include "storage/safe_file.h"

namespace tabrel {

namespace fs = std::filesystem;

namespace {

constexpr CompanionRule kMonthCompanions{1, 10};

void empty_month(Roster& roster) {
    for (Worker& w : roster.workers) {
        w.duties.fill(Duty{});
        w.days_off.fill(DayOff{});
        w.carry_auto = w.carry_manual = w.carry_total = 0;
        w.own_norm_set = false;
        w.own_norm = 0;
    }
    roster.detached_duties.clear();
    roster.detached_days_off.clear();
    roster.detached_own_norms.clear();
    roster.detached_carry_manual.clear();
    roster.detached_carry_auto.clear();
    roster.duty_counter = 0;
    roster.day_off_counter = 0;
}

// The previous month's file for the automatic carry; the user is told when it is there but
// cannot be read, as the carry then counts as none.
IniFile read_previous(const fs::path& path, Notices& notices) {
    std::error_code ec;
    if (!fs::exists(path, ec)) return {};
    auto bytes = read_file(path);
    if (bytes) return IniFile::parse(*bytes);
    notices.error(
        tr("msg_CannotReadFile", "Nie można odczytać pliku ") +
        utf8_to_cp1250(path.filename().string()).value_or("?") +
        tr("msg_CarryNotRead", ". Nadgodziny z poprzedniego miesiąca nie zostały przeniesione."));
    return {};
}

// The section's lines whose key is no worker of the register, first of equal keys only.
std::vector<Roster::KeptLine> lines_of_others(const Roster& roster, const IniFile& file,
                                              std::string_view name) {
    const IniSection section(file, name);
    const std::unordered_set<std::string> ids(roster.worker_ids.begin(), roster.worker_ids.end());
    std::vector<Roster::KeptLine> kept;
    for (const IniFile::Entry& e : file.entries(name)) {
        if (!ids.contains(e.name) && section.find(e.name)->line == e.line)
            kept.push_back({e.name, e.value});
    }
    return kept;
}

void read_carries(Roster& roster, const IniFile& file, const Options& options,
                  const fs::path& previous_path, Notices& notices) {
    const bool old_section = file.has_section("nadpracowania") && !options.ng_przenos;
    const char* manual_name = old_section ? "nadpracowania" : "manu_nadpracowania";
    roster.detached_carry_manual = lines_of_others(roster, file, manual_name);
    roster.detached_carry_auto = lines_of_others(roster, file, "auto_nadpracowania_z_poprzedniego");
    roster.detached_own_norms = lines_of_others(roster, file, "normatywy_wlasne");
    const IniSection manual(file, manual_name);
    const IniSection carried(file, "auto_nadpracowania_z_poprzedniego");
    const IniSection own(file, "normatywy_wlasne");
    const Group* group = roster.current();
    const bool new_period = group && group->NewPeriod;
    const bool from_previous = options.ng_przenos && !new_period;
    const IniFile previous_file = from_previous ? read_previous(previous_path, notices) : IniFile{};
    const IniSection previous(previous_file, "auto_nadpracowania");
    for (Worker& w : roster.workers) {
        const std::string id = std::to_string(w.id);
        w.carry_manual = saturate16(manual.integer(id, 0));
        w.carry_auto = new_period ? 0 : saturate16(carried.integer(id, 0));
        if (from_previous) w.carry_auto = saturate16(previous.integer(id, 0));
        w.own_norm_set = own.find(id) != nullptr;
        w.own_norm = saturate16(own.integer(id, 0));
        w.carry_total = saturate16(int64_t{w.carry_auto} + w.carry_manual);
    }
}

void read_month(Roster& roster, const Options& options, Notices& notices, const IniFile& file) {
    const fs::path& path = roster.month_file;
    for (Group& g : roster.groups) read_month_group(file, path.filename().string(), g);
    roster.norm_flags = month_norm_flags(file);
    roster.rebuild_worker_ids();
    read_numbered(IniSection(file, "dyzury"), 'd', path, "dyzury", [&](const IniFile::Entry& e) {
        const Duty d = parse_duty(e.value);
        // The program never writes a duty of group 0, so one would count now and be lost at
        // the next save; such a line of a damaged file is left out.
        if (d.group_id == 0) return;
        roster.dodaj_dyzur(d, roster.worker_index(d.worker_id));
    });
    std::string inverted;
    read_numbered(IniSection(file, "wolne"), 'w', path, "wolne", [&](const IniFile::Entry& e) {
        const DayOff d = parse_day_off(e.value);
        if (d.to_day < d.from_day) inverted += (inverted.empty() ? " " : ", ") + e.name;
        const DayOffPlacement placement = roster.dodaj_wolne(d, roster.worker_index(d.worker_id));
        if (!placement.notice.empty()) notices.inform(placement.notice);
    });
    // Such a range covers no day; it is kept for the user to mend, and told once per load.
    if (!inverted.empty()) {
        notices.inform(tr("msg_DayOffInverted",
                          "Wolne kończące się przed swoim pierwszym dniem nie jest liczone i "
                          "zostaje zapisane bez zmian: ") +
                       path.filename().string() + " [wolne]" + inverted);
    }
    read_carries(roster, file, options, roster.previous_month_file, notices);
}

}  // namespace

MonthLoadResult wczytaj_dyzury_i_wolne(Roster& roster, const Options& options,
                                       LoadPurpose purpose) {
    empty_month(roster);
    MonthLoadResult result;
    const fs::path& path = roster.month_file;
    std::error_code ec;
    if (purpose == LoadPurpose::Editing) fs::remove(restore_marker(path), ec);
    if (fs::exists(path, ec)) {
        if (purpose == LoadPurpose::Editing)
            result.notices.add(keep_companions(path, kMonthCompanions));
        auto bytes = read_file(path);
        // A file that is there but cannot be read must not pass for an empty month.
        if (!bytes) {
            result.status = Status::failure(tr("msg_CannotReadFile", "Nie można odczytać pliku ") +
                                            utf8_to_cp1250(path.filename().string()).value_or("?"));
        }
        result.file = IniFile::parse(bytes.value_or(""));
        result.stored = std::move(bytes);
    }
    try {
        read_month(roster, options, result.notices, result.file);
    } catch (const ConversionError& error) {
        result.status = Status::failure(error.message());
    }
    return result;
}

}  // namespace tabrel
