#pragma once

#include <cstdint>

namespace tabrel {

// A day off starting on `from_day`. For "Bez dyżuru" `minutes` holds the refused shift number.
struct DayOff {
    int16_t seq = 0;  // running number; 0 is an empty slot
    uint16_t minutes = 0;
    uint16_t worker_id = 0;
    uint16_t group_id = 0;
    uint8_t from_day = 0;  // 1-based
    uint8_t to_day = 0;    // 1-based, >= from_day
    char kind = 0;         // DayOffType letter

    bool operator==(const DayOff&) const = default;
};

}  // namespace tabrel
