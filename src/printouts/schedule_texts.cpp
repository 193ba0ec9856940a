#include "printouts/schedule_texts.h"

#include <algorithm>
#include <optional>

#include "model/time_value.h"
#include "printouts/tag_html_escape.h"
#include "worktime/leave_account.h"
#include "worktime/weekday.h"

namespace tabrel {

namespace {

// The style-sheet class of the days off given in exchange for work on a free day.
const char* exchange_class(char kind) {
    switch (kind) {
        case '1':
            return "w_za_sw";
        case '5':
            return "w_za_5d";
        case '7':
            return "w_za_so";
        case '9':
            return "w_za_ho";
        default:
            return nullptr;
    }
}

std::string time_range(const Duty& d) {
    return min2h(d.start, "htm", false) + "-" + min2h(d.start + d.duration, "htm", true);
}

void drop_leading_separator(std::string& text) {
    if (text.starts_with(", ")) text.erase(0, 2);
}

class ScheduleBuilder {
public:
    ScheduleBuilder(const Roster& roster, const Group& group, bool all_groups, bool escape_names)
        : roster_(roster),
          group_(group),
          shifts_(group.profile.shifts),
          day8_(group.profile.day8),
          remainder_(roster.calendar.group_norm_remainder),
          all_groups_(all_groups),
          escape_names_(escape_names),
          days_(roster.calendar.days.size()) {
        if (!shifts_.empty()) first_shift_ = shifts_.front();
        for (DaySchedule& day : days_) day.kto_zmiana.resize(shifts_.size());
    }

    std::vector<DaySchedule> build() {
        for (const Worker& worker : roster_.workers) {
            if (!all_groups_ && !belongs_to(worker, group_.id)) continue;
            const std::string name = escape_names_ ? html_escape(worker.pseudo) : worker.pseudo;
            const int last = std::min<int>(static_cast<int>(days_.size()), kMonthSlots);
            for (int i = 0; i < last; ++i) {
                add_duty(worker.duties[i], name, days_[i]);
                add_day_off(worker, worker.days_off[i], name);
            }
        }
        for (DaySchedule& day : days_) trim(day);
        return std::move(days_);
    }

private:
    bool counts(uint16_t group_id) const { return all_groups_ || group_id == group_.id; }

    bool starts_with_first_shift(const Duty& d) const {
        return first_shift_ && d.start == first_shift_->zod;
    }

    void add_duty(const Duty& d, const std::string& name, DaySchedule& day) const {
        if (d.seq == 0 || d.day_off_marker || !counts(d.group_id)) return;
        const int k = d.shift_no;
        if (k >= 1 && k <= static_cast<int>(shifts_.size())) {
            const Shift& shift = shifts_[k - 1];
            if (d.duration == shift.zile && d.start == shift.zod) {
                day.kto_zmiana[k - 1] += ", " + name;
                return;
            }
        }
        // A norm of whole shifts leaves no remainder, so a zero-length duty is not one.
        const bool remainder_duty =
            remainder_ > 0 && d.duration == remainder_ && remainder_ != day8_;
        const bool eight_duty = d.duration == day8_ && k == 1;
        if (remainder_duty) day.kto_dopr += listed_with_start(d, name);
        if (eight_duty) day.kto_8 += listed_with_start(d, name);
        // A duty that went into neither list would vanish from the schedule; it is "other".
        if (!remainder_duty && !eight_duty) {
            day.kto_inny += ", <span class=maly>" + time_range(d) + "</span><br>" + name + "<br>";
        }
    }

    std::string listed_with_start(const Duty& d, const std::string& name) const {
        if (starts_with_first_shift(d)) return ", " + name;
        return ", <br><span class=maly>" + time_range(d) + "</span><br>" + name + "<br>";
    }

    static std::string* kind_text(DaySchedule& day, char kind) {
        switch (kind) {
            case '1':
            case '5':
            case '7':
            case '9':
                return &day.kto_wolne;
            case 'u':
                return &day.kto_urlopy;
            case 'z':
                return &day.kto_zwolnienia;
            case 'a':
            case 'b':
            case 'c':
            case 'd':
            case 'h':
            case 'i':
            case 'j':
            case 'k':
            case 'm':
            case 'n':
            case 'o':
            case 'r':
            case 's':
            case 't':
            case 'w':
                return &day.kto_inne_wolne;
            default:
                return nullptr;
        }
    }

    static std::string marked(const char* css_class, const std::string& name) {
        return std::string("<span class=") + css_class + ">" + name + "</span>";
    }

    // Whether the duties inside a day-off range only stand in for it as "8" duties, and
    // whether there are any at all.
    struct RangeDuties {
        bool any = false;
        bool replaced = false;
    };

    RangeDuties range_duties(const Worker& worker, int from, int to) const {
        RangeDuties r;
        bool all_eight = true;
        long total = 0;
        for (int p = from; p <= to; ++p) {
            const Duty& d = worker.duties[p - 1];
            if (d.seq == 0) continue;
            r.any = true;
            total += d.duration;
            if (d.duration != day8_) all_eight = false;
        }
        const int working = working_days_between(roster_.calendar, from, to);
        r.replaced = working >= 1 && all_eight && total == long(working) * day8_;
        return r;
    }

    void add_day_off(const Worker& worker, const DayOff& entry, const std::string& name) {
        if (entry.seq == 0 || entry.kind == kNoDutyLetter || !counts(entry.group_id)) return;
        const int from = std::max<int>(entry.from_day, 1);
        const int to = std::min<int>({entry.to_day, static_cast<int>(days_.size()), kMonthSlots});
        const RangeDuties duties = range_duties(worker, from, to);
        for (int p = from; p <= to; ++p) {
            if (!duties.any || duties.replaced) {
                add_plain_day_off(entry.kind, p, name);
            } else {
                add_day_off_beside_duty(entry.kind, worker.duties[p - 1], days_[p - 1], name);
            }
        }
    }

    // A day off without duties in its range shows on the working days only.
    void add_plain_day_off(char kind, int p, const std::string& name) {
        const CalendarDay& cal = roster_.calendar.days[p - 1];
        const bool weekday = cal.weekday >= kMonday && cal.weekday <= kFriday;
        const bool shown = weekday || (kind == '5' && cal.weekday == kSaturday);
        if (!shown || cal.holiday) return;
        std::string* text = kind_text(days_[p - 1], kind);
        if (!text) return;
        const char* css_class = exchange_class(kind);
        *text += ", " + (css_class ? marked(css_class, name) : name);
    }

    void add_day_off_beside_duty(char kind, const Duty& d, DaySchedule& day,
                                 const std::string& name) const {
        std::string* text = kind_text(day, kind);
        if (!text) return;
        const char* css_class = exchange_class(kind);
        const bool has_duty = d.seq != 0;
        if (!has_duty || (first_shift_ && d.duration == first_shift_->zile)) {
            if (css_class) {
                *text += ", " + marked(css_class, name);
            } else {
                *text += has_duty ? ", <b>" + name + "</b>" : ", " + name;
            }
            return;
        }
        *text += ", <span class=maly>" + time_range(d) + "</span><br>" +
                 (css_class ? marked(css_class, name) : "<b>" + name + "</b>");
    }

    static void trim(DaySchedule& day) {
        for (std::string* text : {&day.kto_8, &day.kto_dopr, &day.kto_inny, &day.kto_wolne,
                                  &day.kto_urlopy, &day.kto_zwolnienia, &day.kto_inne_wolne}) {
            drop_leading_separator(*text);
        }
        for (std::string& text : day.kto_zmiana) drop_leading_separator(text);
    }

    const Roster& roster_;
    const Group& group_;
    const std::vector<Shift>& shifts_;
    std::optional<Shift> first_shift_;
    int day8_;
    int remainder_;
    bool all_groups_;
    bool escape_names_;
    std::vector<DaySchedule> days_;
};

}  // namespace

std::vector<DaySchedule> przygotuj_rozklad(const Roster& roster, bool all_groups,
                                           bool escape_names) {
    const Group* group = roster.current();
    if (!group) return std::vector<DaySchedule>(roster.calendar.days.size());
    return ScheduleBuilder(roster, *group, all_groups, escape_names).build();
}

}  // namespace tabrel
