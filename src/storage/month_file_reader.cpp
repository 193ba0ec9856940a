#include <algorithm>
#include <limits>

#include "app/prompter.h"
#include "i18n/cp1250.h"
#include "i18n/text.h"
#include "storage/companion_copies.h"
#include "storage/conversion_error.h"
#include "storage/ini_section.h"
#include "storage/month_file.h"
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
    roster.duty_counter = 0;
    roster.day_off_counter = 0;
}

uint16_t stored_day8(const IniFile& file, const std::string& section, uint16_t fallback) {
    const int value = file.read_integer(section, "day8", fallback);
    return value < 0 || value > std::numeric_limits<uint16_t>::max() ? fallback
                                                                     : static_cast<uint16_t>(value);
}

bool stored_flag(const IniFile& file, const std::string& section, std::string_view key,
                 bool fallback) {
    return file.read_integer(section, key, fallback ? 1 : 0) != 0;
}

void read_group(const IniFile& file, Group& g) {
    const std::string section = "g" + std::to_string(g.id);
    const Profile& defaults = g.default_profile;
    g.profile.day8 = stored_day8(file, section, defaults.day8);
    g.profile.sob_swieto = stored_flag(file, section, "sob_swieto", defaults.sob_swieto);
    g.profile.wolne_za_sob_swieto =
        stored_flag(file, section, "wolne_za_sob_swieto", defaults.wolne_za_sob_swieto);
    g.profile.noc_w_swieto_jak_swieto =
        stored_flag(file, section, "noc_w_swieto_jak_swieto", defaults.noc_w_swieto_jak_swieto);
    g.profile.bez_swiat = stored_flag(file, section, "bez_swiat", defaults.bez_swiat);
    g.NewPeriod = stored_flag(file, section, "NewPeriod", false);
    g.CustomNorma = stored_flag(file, section, "CustomNorma", false);
    const int norma = file.read_integer(section, "Norma", 0);
    g.Norma = norma < 0 || norma > std::numeric_limits<uint16_t>::max()
                  ? 0
                  : static_cast<uint16_t>(norma);
}

// The previous month's file for the automatic carry; the user is told when it is there but
// cannot be read, as the carry then counts as none.
IniFile read_previous(const fs::path& path, Prompter& prompter) {
    std::error_code ec;
    if (!fs::exists(path, ec)) return {};
    auto bytes = read_file(path);
    if (bytes) return IniFile::parse(*bytes);
    prompter.error(
        tr("msg_CannotReadFile", "Nie można odczytać pliku ") +
        utf8_to_cp1250(path.filename().string()).value_or("?") +
        tr("msg_CarryNotRead", ". Nadgodziny z poprzedniego miesiąca nie zostały przeniesione."));
    return {};
}

void read_carries(Roster& roster, const IniFile& file, const Options& options,
                  const fs::path& previous_path, Prompter& prompter) {
    const bool old_section = file.has_section("nadpracowania") && !options.ng_przenos;
    const IniSection manual(file, old_section ? "nadpracowania" : "manu_nadpracowania");
    const IniSection carried(file, "auto_nadpracowania_z_poprzedniego");
    const IniSection own(file, "normatywy_wlasne");
    const Group* group = roster.current();
    const bool new_period = group && group->NewPeriod;
    const bool from_previous = options.ng_przenos && !new_period;
    const IniFile previous_file =
        from_previous ? read_previous(previous_path, prompter) : IniFile{};
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

void read_month(Roster& roster, Options& options, Prompter& prompter, const IniFile& file) {
    for (Group& g : roster.groups) read_group(file, g);
    apply_month_norm_flags(file, options);
    roster.rebuild_worker_ids();
    const fs::path& path = roster.month_file;
    read_numbered(IniSection(file, "dyzury"), 'd', path, "dyzury", [&](std::string_view value) {
        const Duty d = parse_duty(value);
        // The program never writes a duty of group 0, so one would count now and be lost at
        // the next save; such a line of a damaged file is left out.
        if (d.group_id == 0) return;
        roster.dodaj_dyzur(d, roster.worker_index(d.worker_id));
    });
    read_numbered(IniSection(file, "wolne"), 'w', path, "wolne", [&](std::string_view value) {
        const DayOff d = parse_day_off(value);
        roster.dodaj_wolne(d, roster.worker_index(d.worker_id), prompter);
    });
    read_carries(roster, file, options, roster.previous_month_file, prompter);
}

}  // namespace

MonthLoadResult wczytaj_dyzury_i_wolne(Roster& roster, Options& options, Prompter& prompter) {
    empty_month(roster);
    MonthLoadResult result;
    const fs::path& path = roster.month_file;
    std::error_code ec;
    fs::remove(restore_marker(path), ec);
    if (fs::exists(path, ec)) {
        keep_companions(path, kMonthCompanions, prompter);
        auto bytes = read_file(path);
        // A file that is there but cannot be read must not pass for an empty month.
        if (!bytes) {
            result.failed = true;
            result.message = tr("msg_CannotReadFile", "Nie można odczytać pliku ") +
                             utf8_to_cp1250(path.filename().string()).value_or("?");
        }
        result.file = IniFile::parse(bytes.value_or(""));
    }
    try {
        read_month(roster, options, prompter, result.file);
    } catch (const ConversionError& error) {
        result.failed = true;
        result.message = error.message();
    }
    return result;
}

}  // namespace tabrel
