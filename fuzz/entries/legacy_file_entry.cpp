#include "fuzz_entries.h"
#include "fuzz_support.h"
#include "storage/group_file.h"
#include "storage/legacy_file.h"
#include "storage/staff_file.h"
#include "storage/staff_files.h"

namespace tabrel::fuzz {

// A converted tabrel.ini must be stored by the new files without loss: what grupy.ini and
// kadra.ini would hold reads back to the same text.
void legacy_file(std::string_view bytes) {
    Roster roster;
    roster.data_folder = fresh_folder("legacy");
    put_file(roster.data_folder / kLegacyFileName, bytes);
    const StaffLoadResult load = wczytaj(roster);
    if (load.groups_failed || load.staff_failed) return;  // nothing is saved over it

    const std::string groups = groups_file_text(roster.groups);
    const std::string staff = staff_file_text(roster.workers, ',');
    Roster again;
    read_groups(groups, again);
    read_staff(staff, again);
    expect_same(groups, groups_file_text(again.groups), "converted groups changed when read back");
    expect_same(staff, staff_file_text(again.workers, ','),
                "converted staff changed when read back");
}

}  // namespace tabrel::fuzz
