#include "worktime/summary_boxes.h"

#include <algorithm>

#include "model/time_value.h"

namespace tabrel {

namespace {

std::string hours(int64_t minutes) {
    return min2h(minutes, "txt", false);
}

}  // namespace

SummaryBoxes summary_boxes(const Worker& worker) {
    const WorkerMonthSummary& s = worker.summary;
    SummaryBoxes boxes;
    boxes.days = hours(s.hours_D) + " (" + hours(s.hours_D_saturday) + ")";
    boxes.nights = hours(s.hours_N);
    boxes.holidays = hours(s.hours_S);
    boxes.total = hours(std::max<int64_t>(s.worked_total, 0));
    boxes.leave_unused = hours(int64_t{worker.urlop} + worker.urlop_prev);
    boxes.care_days_unused = std::to_string(worker.opieka);
    boxes.reha_days_unused = std::to_string(worker.reha);
    boxes.leave_toward_norm = hours(s.leave_toward_norm);
    boxes.norm = norm_box({worker.norma, s.hours_D, s.hours_N, s.hours_S, s.leave_toward_norm,
                           s.overtime_100, s.overtime_50, worker.carry_total});
    return boxes;
}

}  // namespace tabrel
