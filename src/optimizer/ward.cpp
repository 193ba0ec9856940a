#include "optimizer/ward.h"

#include <algorithm>

#include "editing/staffing.h"
#include "planner/used_time.h"
#include "worktime/duty_split.h"
#include "worktime/hour_split.h"
#include "worktime/law_findings.h"

namespace tabrel {

namespace {

constexpr int kDay = 1440;
constexpr int kSunday = 1;
constexpr int kSaturday = 7;

struct DayAvailability {
    bool free = true;
    int refused_shift = 0;  // "Bez dyżuru" for one shift only
};

std::vector<DayAvailability> availability(const Worker& w, int days) {
    std::vector<DayAvailability> out(days);
    for (int d = 0; d < days; ++d)
        if (w.duties[d].seq != 0) out[d].free = false;
    for (const DayOff& off : w.days_off) {
        if (off.seq == 0) continue;
        for (int d = std::max(1, int{off.from_day}); d <= std::min(days, int{off.to_day}); ++d) {
            if (off.kind == kNoDutyLetter && off.minutes != 0)
                out[d - 1].refused_shift = off.minutes;
            else
                out[d - 1].free = false;
        }
    }
    return out;
}

bool is_night(const Roster& roster, int start, int length) {
    const DutyParts parts =
        split_duty(start, length, false, roster.calendar.night_start, roster.calendar.night_end);
    return parts.night * 2 > length;
}

bool is_weekend(const CalendarDay& day) {
    return day.holiday || day.weekday == kSunday || day.weekday == kSaturday;
}

bool working_day(const CalendarDay& day) {
    return !day.holiday && day.weekday != kSunday && day.weekday != kSaturday;
}

// The shift of an "8" pattern character, 0 for a free day or a shift the group lacks.
int pattern_shift(char c, int shifts) {
    const int shift = c - '0';
    return shift >= 1 && shift <= shifts ? shift : 0;
}

void add_choice(Ward& ward, int worker, int day, int shift, bool eight, int length) {
    const Shift& s = ward.roster.current()->profile.shifts[shift - 1];
    DutyChoice c;
    c.worker = worker;
    c.day = day;
    c.shift = shift;
    c.eight = eight;
    c.length = length;
    const int64_t start = int64_t{day} * kDay + s.zod;
    c.span = {start, start + length, true};
    c.night = is_night(ward.roster, s.zod, length);
    c.weekend = is_weekend(ward.roster.calendar.days[day]);
    ward.choices.push_back(c);
}

void add_choices(Ward& ward, int worker, const Worker& w) {
    const Group& group = *ward.roster.current();
    const int shifts = static_cast<int>(group.profile.shifts.size());
    const auto days = availability(w, ward.days);
    int working = 0;
    for (int d = 0; d < ward.days; ++d) {
        const CalendarDay& day = ward.roster.calendar.days[d];
        if (w.pref_8) {
            if (!working_day(day)) continue;
            const std::string& pattern = w.pref_8_shift_no;
            const int shift =
                pattern.empty() ? 1 : pattern_shift(pattern[working++ % pattern.size()], shifts);
            if (days[d].free && shift != 0 && shift != days[d].refused_shift)
                add_choice(ward, worker, d, shift, true, group.profile.day8);
            continue;
        }
        if (!days[d].free) continue;
        for (int k = 1; k <= shifts; ++k)
            if (k != days[d].refused_shift && group.profile.shifts[k - 1].zile > 0)
                add_choice(ward, worker, d, k, false, group.profile.shifts[k - 1].zile);
    }
}

// The phase of the worker's rotation that best matches the end of the previous month, carried
// on over the shown month; empty when the previous month shows nothing of it.
std::vector<int> rhythm(const Ward& ward, const Worker& w) {
    const std::string& pattern = w.pref_system_pattern;
    const MonthEntries& before = ward.neighbours.previous;
    if (!w.pref_system || pattern.empty() || before.year == 0) return {};
    const int before_days = days_in_month(before.year, before.month);
    std::vector<int> shift_on(before_days, 0);
    bool any = false;
    for (const Duty& d : before.duties) {
        if (d.worker_id != w.id || d.group_id == 0 || d.day_no < 1 || d.day_no > before_days)
            continue;
        shift_on[d.day_no - 1] = d.shift_no;
        any = true;
    }
    if (!any) return {};
    const int length = static_cast<int>(pattern.size());
    const int from = std::max(0, before_days - 2 * length);
    int best_phase = 0, best_matches = -1;
    for (int phase = 0; phase < length; ++phase) {
        int matches = 0;
        for (int d = from; d < before_days; ++d)
            matches += pattern[(phase + d) % length] - '0' == shift_on[d];
        if (matches > best_matches) best_phase = phase, best_matches = matches;
    }
    std::vector<int> out(ward.days);
    for (int d = 0; d < ward.days; ++d)
        out[d] = std::max(0, pattern[(best_phase + before_days + d) % length] - '0');
    return out;
}

WardWorker ward_worker(const Ward& ward, int index) {
    const Worker& w = ward.roster.workers[index];
    WardWorker out;
    out.index = index;
    out.id = w.id;
    out.norm = w.norma;
    out.used = used_time(w);
    out.fixed = worker_time(ward.roster, index, ward.neighbours);
    out.pref_dn = w.pref_dn;
    for (int d = 0; d < ward.days; ++d) {
        const Duty& duty = w.duties[d];
        if (duty.seq == 0 || duty.group_id == 0) continue;
        out.fixed_nights += is_night(ward.roster, duty.start, duty.duration);
        out.fixed_weekend += is_weekend(ward.roster.calendar.days[d]);
    }
    out.rhythm = rhythm(ward, w);
    return out;
}

void count_staffing(Ward& ward) {
    const int shifts = static_cast<int>(ward.roster.current()->profile.shifts.size());
    for (int k = 0; k < shifts; ++k)
        ward.shift_length.push_back(ward.roster.current()->profile.shifts[k].zile);
    odswiez_iledy(ward.roster);
    ward.required.assign(ward.days, std::vector<int>(shifts));
    ward.present.assign(ward.days, std::vector<int>(shifts));
    for (int d = 0; d < ward.days; ++d)
        for (int k = 0; k < shifts; ++k) {
            ward.required[d][k] = required_staffing(ward.roster, d, k);
            ward.present[d][k] = staffing(ward.roster, d, k);
        }
}

}  // namespace

bool plannable(const Roster& roster, const Worker& w) {
    return roster.current() && belongs_to(w, roster.current()->id) && !w.old &&
           !w.pref_without_auto;
}

Ward build_ward(const Roster& roster, const Options& options, const OptimizerSettings& settings) {
    Ward ward;
    ward.roster = roster;
    ward.settings = settings;
    if (!roster.current()) return ward;
    ward.days = std::min<int>(roster.calendar.days.size(), kMonthSlots);
    ward.neighbours = shown_month_neighbours(ward.roster);
    ward.period = law_period(ward.roster, ward.neighbours);
    ward.limits = options.law;
    count_staffing(ward);
    for (int i = 0; i < static_cast<int>(ward.roster.workers.size()); ++i) {
        if (!plannable(ward.roster, ward.roster.workers[i])) continue;
        odswiez_pracownika(ward.roster, options, i, settings.all_groups);
        ward.workers.push_back(ward_worker(ward, i));
        add_choices(ward, static_cast<int>(ward.workers.size()) - 1, ward.roster.workers[i]);
    }
    return ward;
}

}  // namespace tabrel
