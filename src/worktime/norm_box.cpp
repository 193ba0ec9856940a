#include "worktime/norm_box.h"

#include <algorithm>
#include <cstdlib>

#include "i18n/cp1250.h"
#include "i18n/text.h"

namespace tabrel {

namespace {

std::string hours(int64_t minutes) {
    return min2h(minutes, "txt", false);
}

}  // namespace

NormBox norm_box(const NormBoxInput& t) {
    const int64_t used = t.hours_D + t.hours_N + t.hours_S + t.leave_toward_norm;
    NormBox box;
    box.norm = hours(std::max<int64_t>(t.norm, 0));
    box.used = hours(std::max<int64_t>(used, 0));
    box.unused = hours(t.norm - used);
    box.overtime = hours(std::max<int64_t>(t.overtime_100 + t.overtime_50, 0));
    box.previous_period = (t.carry_total > 0 ? "-" : "+") + hours(std::llabs(t.carry_total));
    return box;
}

std::string worker_title(const Worker* worker) {
    const std::string caption = tr("st_Workers", " :: Pracownik: ");
    return worker ? caption + worker->nazwisko + " " + worker->imie : caption;
}

}  // namespace tabrel
