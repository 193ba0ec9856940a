#pragma once

#include <cstdint>
#include <vector>

#include "model/time_value.h"

namespace tabrel {

// What a worker carries into the next month beyond (or short of) its norm, as the month file
// keeps it under [auto_nadpracowania]. Counting it is working-time work; the writer only
// writes it.
struct CarriedBalance {
    uint16_t worker_id = 0;
    TimeValue minutes = 0;

    bool operator==(const CarriedBalance&) const = default;
};

// In the order written: the workers' order, without deleted workers and workers carrying
// nothing.
using CarriedBalances = std::vector<CarriedBalance>;

}  // namespace tabrel
