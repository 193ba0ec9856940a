#include "worktime/duty_split.h"

namespace tabrel {

namespace {

constexpr int kDay = 1440;

}  // namespace

// The rules are applied in this order, a later one overwriting what an earlier one set.
DutyParts split_duty(int start, int duration, bool first_shift, int night_start, int night_end) {
    const int l = start;
    const int e = start + duration;
    const int ns = night_start;
    const int ne = night_end;
    DutyParts p;
    if (ns >= e) p.day = duration;
    if (l < ns && ns < e && ne >= e) {
        p.day = ns - l;
        p.night = e - ns;
    }
    if (ns >= l && e >= ne) {
        p.day = ns - l;
        p.after = e - ne;
        p.night = ne - ns;
    }
    if (l >= ns && ne >= e) p.night = duration;
    // A first-shift duty may begin in the previous night's window; otherwise it is split as any
    // other duty that starts inside the night and runs past its end.
    if (first_shift && ns < l + kDay && l + kDay < ne && ne < e + kDay) {
        p.night = ne - l - kDay;
        p.day = e + kDay - ne;
    } else if (ns < l && l < ne && ne < e) {
        p.night = ne - l;
        p.after = e - ne;
    }
    if (l >= ne) p.after = duration;
    return p;
}

void apply_day_boundary(DutyParts& parts, int start, int boundary, int night_end) {
    if (parts.day != 0 && start <= boundary && boundary < start + parts.day) {
        parts.after += start + parts.day - boundary;
        parts.day = boundary - start;
    }
    if (parts.after != 0 && boundary >= night_end) {
        if (boundary < night_end + parts.after) {
            parts.day += boundary - night_end;
            parts.after = night_end + parts.after - boundary;
        } else {
            parts.day += parts.after;
            parts.after = 0;
        }
    }
}

}  // namespace tabrel
