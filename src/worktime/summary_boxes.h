#pragma once

#include <string>

#include "model/worker.h"
#include "worktime/norm_box.h"

namespace tabrel {

// The values of the main window's summary boxes for the selected worker, as hours:minutes
// texts (the leave-day counts as numbers). The captions belong to the window.
struct SummaryBoxes {
    std::string days;               // l_dq_Days: day hours, then the Saturday part in brackets
    std::string nights;             // l_dq_Nights
    std::string holidays;           // l_dq_Holidays
    std::string total;              // l_dq_Total: never below 0
    std::string leave_unused;       // l_lq_HolidayUnused: this year's and last year's leave
    std::string care_days_unused;   // l_lq_CareDaysUnused
    std::string reha_days_unused;   // l_lq_RehaHolidayUnused
    std::string leave_toward_norm;  // l_lq_Total
    NormBox norm;                   // "Normatyw pracownika "
};

SummaryBoxes summary_boxes(const Worker& worker);

}  // namespace tabrel
