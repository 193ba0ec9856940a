#include "app/month_switch.h"
#include "fuzz_entries.h"
#include "fuzz_support.h"
#include "sample_ward.h"
#include "storage/month_paths.h"
#include "worktime/month_save.h"

namespace tabrel::fuzz {

namespace {

constexpr const char* kSaveDate = "31.05.2024";

struct ShownMonth {
    Roster roster;
    Options options;
    bool failed = false;
};

// A copy of the ward switched to the month whose file holds `text`, as the month selector
// loads it (the calendar, the norm and every summary computed from what was read).
ShownMonth show(std::string_view text) {
    const SampleWard& ward = sample_ward();
    ShownMonth shown{ward.roster, ward.options};
    shown.roster.data_folder = fresh_folder("month");
    shown.roster.month_file.clear();  // nothing shown before, so nothing is saved first
    put_file(month_file_path(shown.roster.data_folder, kWardYear, kWardMonth), text);
    QuietPrompter prompter;
    MonthSwitch months(shown.roster, shown.options, prompter, ward.locale, system_clock());
    months.switch_to(kWardYear, kWardMonth);
    shown.failed = months.load_failed();
    return shown;
}

}  // namespace

// A month that loaded is saved; the saved file must load again into the same month.
void month_file(std::string_view bytes) {
    ShownMonth first = show(bytes);
    if (first.failed) return;  // such a file is kept, never saved over
    const std::string saved = month_file_text(first.roster, first.options, kSaveDate);
    ShownMonth second = show(saved);
    expect(!second.failed, "a saved month file did not load again");
    expect_same(saved, month_file_text(second.roster, second.options, kSaveDate),
                "the month changed on a second load and save");
}

}  // namespace tabrel::fuzz
