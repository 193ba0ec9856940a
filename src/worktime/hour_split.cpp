#include "worktime/hour_split.h"

#include <algorithm>

#include "worktime/duty_split.h"
#include "worktime/nearest.h"
#include "worktime/overtime_map.h"
#include "worktime/weekday.h"
#include "worktime/worker_norm.h"

namespace tabrel {

namespace {

void add(TimeValue& total, int64_t minutes) {
    total = saturate16(total + minutes);
}

std::string day_off_symbol(const Options& options, char kind) {
    auto index = day_off_index(kind);
    return index ? options.day_off[*index].symbol : std::string(" ");
}

// One run of odswiez_pracownika over one worker.
class WorkerMonth {
public:
    WorkerMonth(const Roster& roster, const Options& options, Worker& worker, bool all_groups)
        : calendar_(roster.calendar),
          norm_flags_(roster.norm_flags),
          options_(options),
          worker_(worker),
          all_groups_(all_groups),
          days_(std::min<int>(static_cast<int>(calendar_.days.size()), kMonthSlots)),
          rules_(overtime_rules(options.ng_od, options.ng_do, options.ng_powyzej, options.ng_swieto,
                                options.ng_dyzur0, options.doba_od)),
          rows_(days_ + 1) {
        static const Profile kNoGroup;
        const Group* group = roster.current();
        group_id_ = group ? group->id : 0;
        profile_ = group ? &group->profile : &kNoGroup;
    }

    std::vector<DaySummary> run() {
        clear_totals();
        for (const DayOff& entry : worker_.days_off) count_day_off(entry);
        for (int day = 1; day <= days_; ++day) count_duty(day);
        close();
        return std::move(rows_);
    }

private:
    bool counts(uint16_t group_id) const { return all_groups_ || group_id == group_id_; }
    const CalendarDay& day(int d) const { return calendar_.days[d - 1]; }
    DaySummary& row(int d) { return rows_[d - 1]; }

    bool next_day_holiday(int d) const {
        return d < days_ ? day(d + 1).holiday : calendar_.next_month_first == kSunday;
    }
    bool next_day_saturday(int d) const {
        return d < days_ ? day(d + 1).weekday == kSaturday
                         : calendar_.next_month_first == kSaturday;
    }

    void clear_totals() {
        worker_.summary = WorkerMonthSummary{};
        worker_.duty_count = 0;
        worker_.leave_count = 0;
    }

    void count_leave_day() { worker_.leave_count = static_cast<uint8_t>(worker_.leave_count + 1); }

    void count_day_off(const DayOff& entry) {
        if (entry.seq == 0 || !counts(entry.group_id)) return;
        const std::string symbol = day_off_symbol(options_, entry.kind);
        if (!carries_hours(entry.kind)) {
            if (entry.from_day < 1 || entry.from_day > days_) return;
            row(entry.from_day).symbol = symbol;
            row(entry.from_day).kind = entry.kind;
            return;
        }
        if (entry.to_day < entry.from_day) return;
        const bool with_duties = czy_sa_dyzury(worker_, entry);
        const auto kind_index = day_off_index(entry.kind);
        const int last = std::min<int>(entry.to_day, days_);
        for (int d = std::max<int>(entry.from_day, 1); d <= last; ++d) {
            int minutes = 0;
            if (with_duties) {
                const Duty& duty = worker_.duties[d - 1];
                minutes = duty.seq != 0 ? duty.duration : 0;
                count_leave_day();
            } else if (day(d).weekday >= kMonday && day(d).weekday <= kFriday && !day(d).holiday) {
                minutes =
                    static_cast<int>(saturate16(nearest(profile_->day8 * worker_.etat / 100)));
                count_leave_day();
            }
            DaySummary& r = row(d);
            r.kind = entry.kind;
            r.leave_minutes = saturate16(minutes);
            r.symbol = symbol;
            if (kind_index) add(worker_.summary.kind_minutes[*kind_index], minutes);
        }
    }

    void count_duty(int d) {
        const Duty& duty = worker_.duties[d - 1];
        if (duty.seq == 0 || !counts(duty.group_id) || duty.day_off_marker) return;
        worker_.duty_count = static_cast<uint8_t>(worker_.duty_count + 1);
        const int l = duty.start;
        const int m = duty.duration;
        const bool holiday = day(d).holiday;
        const bool next_holiday = next_day_holiday(d);
        DaySummary& r = row(d);
        if (duty.overtime != 0) {
            const int x =
                higher_rate_minutes({l + m, m, duty.overtime, holiday, next_holiday}, rules_);
            add(worker_.summary.overtime_100, x);
            add(worker_.summary.overtime_50, duty.overtime - x);
            r.overtime_100 = saturate16(x);
        }
        DutyParts parts =
            split_duty(l, m, duty.shift_no == 1, calendar_.night_start, calendar_.night_end);
        const bool night_as_holiday = profile_->noc_w_swieto_jak_swieto && holiday;
        if (parts.night != 0) count_night(r, parts.night, night_as_holiday);
        apply_day_boundary(parts, l, rules_.day_boundary, calendar_.night_end);
        if (parts.day != 0 || night_as_holiday) {
            r.day_minutes = saturate16(night_as_holiday ? parts.day + parts.night : parts.day);
            count_day(r, parts.day, holiday, day(d).weekday == kSaturday);
        }
        if (parts.after != 0) {
            r.next_day_minutes = saturate16(parts.after);
            count_next_day(rows_[d], parts.after, next_holiday, next_day_saturday(d));
        }
        r.duty = duty;
    }

    void count_night(DaySummary& r, int minutes, bool as_holiday) {
        if (as_holiday) {
            add(worker_.summary.hours_S, minutes);
            r.symbol = "S";
            add(r.shown_minutes, minutes);
        } else {
            add(worker_.summary.hours_N, minutes);
            r.symbol = "N";
            r.night_minutes = saturate16(minutes);
        }
    }

    void count_day(DaySummary& r, int minutes, bool holiday, bool saturday) {
        if (holiday) {
            add(worker_.summary.hours_S, minutes);
            r.symbol = "S";
        } else {
            add(worker_.summary.hours_D, minutes);
            if (saturday) add(worker_.summary.hours_D_saturday, minutes);
            r.symbol = "D";
        }
        add(r.shown_minutes, minutes);
    }

    // A day off on the next day keeps its symbol: the record card must still show the leave.
    void count_next_day(DaySummary& next, int minutes, bool holiday, bool saturday) {
        if (holiday) {
            add(worker_.summary.hours_S, minutes);
        } else {
            add(worker_.summary.hours_D, minutes);
            if (saturday) add(worker_.summary.hours_D_saturday, minutes);
        }
        if (next.kind == 0) next.symbol = holiday ? "S" : "D";
        next.shown_minutes = saturate16(minutes);
    }

    TimeValue marked_leave(char kind) const {
        const auto index = day_off_index(kind);
        if (!index || !norm_flags_[*index]) return 0;
        return worker_.summary.kind_minutes[*index];
    }

    void close() {
        WorkerMonthSummary& s = worker_.summary;
        apply_worker_norm(worker_, calendar_.group_norm);
        int64_t other = 0;
        for (const DayOffType& type : day_off_types()) {
            if (type.letter != 'u' && type.letter != 'n') other += marked_leave(type.letter);
        }
        s.leave_toward_norm_other = saturate16(other);
        s.worked_total = saturate16(int64_t{s.hours_D} + s.hours_N + s.hours_S);
        s.leave_toward_norm = saturate16(other + marked_leave('u') + marked_leave('n'));
    }

    const MonthCalendar& calendar_;
    const NormFlags& norm_flags_;
    const Options& options_;
    Worker& worker_;
    const bool all_groups_;
    const int days_;
    const OvertimeRules rules_;
    std::vector<DaySummary> rows_;
    uint16_t group_id_ = 0;
    const Profile* profile_ = nullptr;
};

}  // namespace

bool carries_hours(char kind) {
    return kind != '1' && kind != '5' && kind != '7' && kind != '9' && kind != kNoDutyLetter;
}

bool czy_sa_dyzury(const Worker& worker, const DayOff& entry) {
    const int first = std::max<int>(entry.from_day, 1);
    const int last = std::min<int>(entry.to_day, kMonthSlots);
    for (int d = first; d <= last; ++d) {
        if (worker.duties[d - 1].seq != 0) return true;
    }
    return false;
}

std::vector<DaySummary> odswiez_pracownika(Roster& roster, const Options& options, int worker_index,
                                           bool all_groups) {
    if (worker_index < 0 || worker_index >= static_cast<int>(roster.workers.size())) return {};
    return WorkerMonth(roster, options, roster.workers[worker_index], all_groups).run();
}

void odswiez_wszystkich(Roster& roster, const Options& options) {
    for (size_t i = 0; i < roster.workers.size(); ++i)
        odswiez_pracownika(roster, options, static_cast<int>(i), true);
}

Worker counted_over_all_groups(const Roster& roster, const Options& options, const Worker& worker) {
    Worker counted = worker;
    WorkerMonth(roster, options, counted, true).run();
    return counted;
}

}  // namespace tabrel
