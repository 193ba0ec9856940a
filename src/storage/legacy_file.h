#pragma once

#include "model/roster.h"
#include "storage/load_purpose.h"

namespace tabrel {

struct Prompter;

constexpr const char* kLegacyFileName = "tabrel.ini";

// The colour of a group read from tabrel.ini, which has none.
constexpr Colour kLegacyGroupColour = clWhite;

// Appends the groups ("g0", "g1" ...) and workers ("k0", "k1" ...) of the legacy tabrel.ini in
// the roster's data folder, after renewing its ".bak" copy when loading for editing. Each list ends
// at its first missing section; missing keys and non-numeric integers take their defaults. False
// when the file cannot be read. A colour or `etat` that is not one, and a group with more shifts
// than a group can hold, throw ConversionError naming the line.
bool wczytaj_stary_tabrel_ini(Roster& roster, Prompter& prompter,
                              LoadPurpose purpose = LoadPurpose::Editing);

}  // namespace tabrel
