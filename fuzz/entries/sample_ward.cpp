#include "sample_ward.h"

#include "app/month_switch.h"
#include "fuzz_support.h"
#include "storage/options_file.h"
#include "storage/staff_files.h"

namespace tabrel::fuzz {

namespace fs = std::filesystem;

namespace {

SampleWard load_ward() {
    SampleWard ward;
    QuietPrompter prompter;
    Roster& roster = ward.roster;
    roster.data_folder = fresh_folder("ward");
    fs::copy(TABREL_FUZZ_WARD, roster.data_folder, fs::copy_options::recursive);
    const StaffLoadResult load = wczytaj(roster);
    expect(load.message.empty() && !roster.groups.empty(), "the sample ward did not load");
    roster.rebuild_worker_ids();
    ward.options = read_options(load_options_file(roster.data_folder), ward.locale,
                                Date{kWardYear, kWardMonth, 31});
    roster.current_group = 0;
    MonthSwitch months(roster, ward.options, prompter, ward.locale, system_clock());
    months.switch_to(kWardYear, kWardMonth);
    expect(!months.load_failed(), "the sample ward's month did not load");
    return ward;
}

}  // namespace

const SampleWard& sample_ward() {
    static const SampleWard ward = load_ward();
    return ward;
}

}  // namespace tabrel::fuzz
