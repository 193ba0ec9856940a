#pragma once

#include <string>

#include "model/time_value.h"
#include "model/worker.h"

namespace tabrel {

// The month totals of one worker that the "Normatyw pracownika " box shows.
struct NormBoxInput {
    int64_t norm = 0;
    int64_t hours_D = 0;
    int64_t hours_N = 0;
    int64_t hours_S = 0;
    int64_t leave_toward_norm = 0;
    int64_t overtime_100 = 0;
    int64_t overtime_50 = 0;
    int64_t carry_total = 0;
};

// The box's values as hours:minutes texts.
struct NormBox {
    std::string norm;             // "Normatyw: "
    std::string used;             // "Wykorzystany: "
    std::string unused;           // "Pozostaje: ", negative when the norm is exceeded
    std::string overtime;         // "Nadgodziny: "
    std::string previous_period;  // "-" for time worked ahead earlier in the period, else "+"
};

NormBox norm_box(const NormBoxInput& totals);

// The title line above the worker boxes: " :: Pracownik: " + surname + " " + first name, or
// the caption alone without a worker.
std::string worker_title(const Worker* worker);

}  // namespace tabrel
