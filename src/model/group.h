#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/colour.h"
#include "model/shift.h"

namespace tabrel {

// Group settings that may differ per month (record `profil_`).
struct Profile {
    std::vector<Shift> shifts;  // numbered 1.. in order, at most kMaxShifts
    uint16_t day8 = 455;        // length of an "8" duty, minutes
    bool sob_swieto = false;
    bool wolne_za_sob_swieto = false;
    bool noc_w_swieto_jak_swieto = false;
    bool bez_swiat = false;
    uint8_t auto_staff_n = 0;
    uint8_t auto_staff_h = 0;

    bool operator==(const Profile&) const = default;
};

// A staff group (record `grupa`). Deleted groups stay in the array with `old` set.
struct Group {
    uint8_t Algorithm = 0;
    uint8_t NormaResidueDistribution = 0;
    std::string nazwa;
    bool CustomNorma = false;
    bool old = false;
    bool NewPeriod = false;
    bool reset_before_automat = false;
    uint16_t Norma = 0;
    uint16_t id = 0;
    int16_t list_index = -1;  // run-time position in the visible group list
    Profile profile;          // in force for the shown month
    Profile default_profile;  // only day8 and the four flags are used
    Colour kolor = clWhite;

    bool operator==(const Group&) const = default;
};

}  // namespace tabrel
