#pragma once

#include <cstdint>
#include <string>

namespace tabrel {

// One duty of one worker on one day (record `dyzur`). Times are minutes.
struct Duty {
    int16_t seq = 0;  // running number; 0 is an empty slot
    uint16_t duration = 0;
    uint16_t start = 0;  // 1..1440; 0 on insertion means the shift's start
    int16_t overtime = 0;
    uint16_t worker_id = 0;
    uint16_t group_id = 0;  // 0 marks a slot that is not stored
    uint16_t day_no = 0;    // 1-based
    uint8_t shift_no = 0;   // 1-based
    bool day_off_marker = false;
    bool reserved = false;
    bool accepted = true;
    bool on_request = false;
    float weight = 0.0f;  // planner weight, not stored; 0 in a slot that never held a duty
    std::string note;

    bool operator==(const Duty&) const = default;
};

}  // namespace tabrel
