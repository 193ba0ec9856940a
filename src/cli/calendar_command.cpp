#include "calendar_command.h"

#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "app/tell_user.h"
#include "base/locale.h"
#include "cli_messages.h"
#include "cli_prompter.h"
#include "i18n/cp1250.h"
#include "loaded_month.h"
#include "model/roster.h"
#include "month_arguments.h"
#include "storage/conversion_error.h"
#include "storage/data_folder_lock.h"
#include "storage/ini_file.h"
#include "storage/month_group.h"
#include "storage/month_paths.h"
#include "storage/options_file.h"
#include "storage/safe_file.h"
#include "storage/staff_files.h"
#include "worktime/month_rebuild.h"

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

namespace tabrel {

Json calendar_json(const MonthCalendar& c, const NormStatus& status) {
    Json days = Json::array();
    for (size_t i = 0; i < c.days.size(); ++i) {
        const CalendarDay& d = c.days[i];
        days.push_back({{"day", i + 1},
                        {"weekday", d.weekday},
                        {"holiday", d.holiday},
                        {"day_code", d.day_code},
                        {"kalendarz_wlasny", d.kalendarz_wlasny},
                        {"kalendarz_ostre_dyzury", d.kalendarz_ostre_dyzury},
                        {"kalendarz_notatki", cp1250_to_utf8(d.kalendarz_notatki)}});
    }
    Json cells = Json::array();
    for (const auto& column : c.cells) {
        Json rows = Json::array();
        for (const CalendarCell& cell : column)
            rows.push_back({{"shift_no", cell.shift_no}, {"day", cell.day}});
        cells.push_back(rows);
    }
    return {{"year", c.year},
            {"month", c.month},
            {"working_days", c.working_days},
            {"group_norm", c.group_norm},
            {"group_norm_remainder", c.group_norm_remainder},
            {"night_start", c.night_start},
            {"night_end", c.night_end},
            {"next_month_first", c.next_month_first},
            {"st_NormaTitle", cp1250_to_utf8(status.norm_title)},
            {"st_NormaValue", cp1250_to_utf8(status.norm_value)},
            {"days", days},
            {"cells", cells}};
}

int run_calendar_command(const fs::path& data_dir, const MonthRequest& request) {
    if (!fs::is_directory(data_dir)) return fail("no such data folder: " + data_dir.string());
    // A running program may be writing the folder meanwhile.
    DataFolderLock lock(data_dir);
    CliPrompter prompter(std::cerr);
    if (const Status held = lock_outcome(lock, data_dir); !held) {
        tell(prompter, held);
        return fail("the data folder is in use or cannot be locked: " + data_dir.string());
    }

    Roster roster;
    roster.data_folder = data_dir;
    if (std::string error = load_staff(roster, prompter, LoadPurpose::Reading); !error.empty())
        return fail(error);
    const auto group = choose_group(roster, request.group_id);
    if (!group) return fail("no group with id " + std::to_string(*request.group_id));
    roster.current_group = static_cast<int16_t>(*group);

    const fs::path month_path = month_file_path(data_dir, request.when.year, request.when.month);
    const auto month_text = read_file(month_path);
    if (!month_text && fs::exists(month_path))
        return fail("the month file cannot be read: " + month_path.string());
    const IniFile month_file = IniFile::parse(month_text.value_or(""));
    std::optional<TimeValue> custom_norm;
    if (*group >= 0) {
        Group& g = roster.groups[*group];
        try {
            read_month_group(month_file, month_path.filename().string(), g);
        } catch (const ConversionError& error) {
            return fail("the month file did not load completely: " +
                        cp1250_to_utf8(error.message()));
        }
        if (g.CustomNorma) custom_norm = static_cast<TimeValue>(g.Norma);
    }
    Options options = read_options(load_options_file(data_dir), Locale{}, system_clock().today());
    const NormStatus status = normatyw(
        roster, options, {request.when.year, request.when.month, false, &month_file, custom_norm});
    std::cout << calendar_json(roster.calendar, status).dump(2) << '\n';
    return 0;
}

}  // namespace tabrel
