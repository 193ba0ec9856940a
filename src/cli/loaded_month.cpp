#include "loaded_month.h"

#include <iostream>

#include "app/tell_user.h"
#include "i18n/cp1250.h"
#include "month_arguments.h"
#include "storage/options_file.h"
#include "storage/staff_files.h"
#include "worktime/month_rebuild.h"

namespace tabrel {

LoadedMonth::LoadedMonth(const std::filesystem::path& data_dir, LoadPurpose purpose)
    : lock_(data_dir),
      prompter_(std::cerr),
      purpose_(purpose),
      months_(roster_, options_, prompter_, locale_, system_clock(), purpose) {
    roster_.data_folder = data_dir;
}

std::string load_staff(Roster& roster, Prompter& prompter, LoadPurpose purpose) {
    const StaffLoadResult load = wczytaj(roster, purpose);
    tell(prompter, load.notices);
    if (load.groups_failed || load.staff_failed)
        return "a file did not load completely: " + cp1250_to_utf8(load.message);
    roster.rebuild_worker_ids();
    return {};
}

std::string LoadedMonth::open(int year, int month, std::optional<int> group_id) {
    if (const Status held = lock_outcome(lock_, roster_.data_folder); !held) {
        tell(prompter_, held);
        return "the data folder is in use or cannot be locked: " + roster_.data_folder.string();
    }
    if (std::string error = load_staff(roster_, prompter_, purpose_); !error.empty()) return error;
    options_ = read_options(load_options_file(roster_.data_folder), locale_, clock().today());
    const auto group = choose_group(roster_, group_id);
    if (!group) return "no group with id " + std::to_string(*group_id);
    roster_.current_group = static_cast<int16_t>(*group);
    status_ = months_.switch_to(year, month);
    // Without a group no month is loaded, yet the month asked for has its calendar: Sundays
    // and statutory holidays.
    if (roster_.groups.empty())
        status_ = normatyw(roster_, options_, {year, month, false, nullptr, std::nullopt});
    if (months_.load_failed()) return "the month file did not load completely";
    return {};
}

}  // namespace tabrel
