#pragma once

#include <cstdint>
#include <string>

#include "model/colour.h"

namespace tabrel {

// One shift of a group's table (record `zmiana_`). Times are minutes.
struct Shift {
    uint16_t zod = 0;   // start after midnight
    uint16_t zile = 0;  // length; the "Całą zmianę" duty length
    uint16_t zdyz = 0;  // carried through the group file unchanged
    Colour zkolor = clWhite;
    std::string zsymbol;
    std::string znazwa;
    uint8_t zobsada = 0;   // required staffing on ordinary days
    uint8_t zobsadas = 0;  // required staffing on Sundays and holidays

    bool operator==(const Shift&) const = default;
};

constexpr int kMaxShifts = 4;

}  // namespace tabrel
