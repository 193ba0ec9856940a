#pragma once

#include <string>

#include "base/notices.h"
#include "model/roster.h"
#include "storage/load_purpose.h"

namespace tabrel {

struct Locale;
struct Clock;

// What a load of groups and staff left behind. A file whose load stopped on an error must not
// be saved over with the partial state.
struct StaffLoadResult {
    bool groups_failed = false;  // grupy.ini (or tabrel.ini) stopped on a bad value
    bool staff_failed = false;   // kadra.inr / kadra.ini (or tabrel.ini) stopped on a bad value
    bool legacy = false;         // both came from tabrel.ini
    std::string message;         // cp1250, empty when all went well
    Notices notices;             // for the user: each stopped file, each copy not made
};

// Fills the emptied groups and workers of the roster from the data folder: tabrel.ini when
// present, else grupy.ini and the kadra.ini member of kadra.inr (a plain kadra.ini when there
// is no kadra.inr). Loading for editing makes the companion copies first; loading for reading
// changes no file. Each file that stops loading is one error of the notices; what was read
// before the fault stays.
StaffLoadResult wczytaj(Roster& roster, LoadPurpose purpose = LoadPurpose::Editing);

struct StaffSaveOptions {
    bool keep_groups_file = false;  // do not write grupy.ini (its load failed)
    bool keep_staff_file = false;   // do not write kadra.inr (its load failed)
};

// Writes grupy.ini and kadra.inr from the roster (a plain kadra.ini is removed once kadra.inr
// holds the staff) and then retires tabrel.ini, which is kept
// when a write failed or a file was kept by the options. An error for each file that could not
// be written, and a notice of where the staff were kept instead.
Notices zapisz(const Roster& roster, const Locale& locale, const Clock& clock,
               const StaffSaveOptions& options = {});

}  // namespace tabrel
