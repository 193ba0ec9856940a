#pragma once

#include "base/notices.h"
#include "model/roster.h"
#include "storage/load_purpose.h"

namespace tabrel {

constexpr const char* kLegacyFileName = "tabrel.ini";

// The colour of a group read from tabrel.ini, which has none.
constexpr Colour kLegacyGroupColour = clWhite;

// Appends the groups ("g0", "g1" ...) and workers ("k0", "k1" ...) of the legacy tabrel.ini in
// the roster's data folder, after renewing its ".bak" copy when loading for editing. Each list ends
// at its first missing section; missing keys and non-numeric integers take their defaults. Fails
// when the file cannot be read; a copy that cannot be made goes into `notices` and the load goes
// on. A colour or `etat` that is not one, and a group with more shifts than a group can hold,
// throw ConversionError naming the line.
Status wczytaj_stary_tabrel_ini(Roster& roster, Notices& notices,
                                LoadPurpose purpose = LoadPurpose::Editing);

}  // namespace tabrel
