#include "editing/day_properties.h"

#include "editing/entry_operations.h"
#include "i18n/format_text.h"
#include "i18n/text.h"
#include "model/shown_month.h"
#include "worktime/hour_split.h"

namespace tabrel {

namespace {

template <typename R>
auto day_of(R& roster, int day) -> decltype(&roster.calendar.days[0]) {
    if (day < 1 || day > static_cast<int>(roster.calendar.days.size())) return nullptr;
    return &roster.calendar.days[day - 1];
}

NormStatus after_mark_change(Roster& roster, Options& options) {
    NormStatus status = recompute_month_norm(roster, options);
    if (roster.current_worker < roster.workers.size())
        odswiez_pracownika(roster, options, roster.current_worker, false);
    return status;
}

}  // namespace

CalendarPopup calendar_popup(const Roster& roster, int day) {
    const CalendarDay* d = day_of(roster, day);
    if (!d) return {};
    return {.enabled = true,
            .holiday_checked = d->holiday,
            .er_duty_checked = d->kalendarz_ostre_dyzury};
}

NormStatus recompute_month_norm(Roster& roster, Options& options) {
    const Group* group = roster.current();
    std::optional<TimeValue> custom;
    if (group && group->CustomNorma) custom = saturate16(group->Norma);
    const YearMonth shown = shown_year_month(roster);
    return normatyw(roster, options, {shown.year, shown.month, false, nullptr, custom});
}

NormStatus toggle_holiday(Roster& roster, Options& options, int day) {
    CalendarDay* d = day_of(roster, day);
    if (!d) return {};
    d->kalendarz_wlasny = !d->kalendarz_wlasny;
    return after_mark_change(roster, options);
}

NormStatus toggle_emergency_day(Roster& roster, Options& options, int day) {
    CalendarDay* d = day_of(roster, day);
    if (!d) return {};
    d->kalendarz_ostre_dyzury = !d->kalendarz_ostre_dyzury;
    return after_mark_change(roster, options);
}

bool day_notes_visible(const Roster& roster, int day) {
    const CalendarDay* d = day_of(roster, day);
    return d && !d->kalendarz_notatki.empty();
}

DayProperties::DayProperties(Roster& roster, Options& options, Prompter& prompter, int day,
                             int shift_no)
    : roster_(roster), options_(options), prompter_(prompter), day_(day), shift_no_(shift_no) {
    if (const CalendarDay* d = day_of(roster_, day_)) {
        set_notes(d->kalendarz_notatki);
        er_duty_ = d->kalendarz_ostre_dyzury;
    }
    fill_duties();
}

// Duties covered by a day off and other groups' duties are not the ward's work of the day.
void DayProperties::fill_duties() {
    duties_.clear();
    const Group* group = roster_.current();
    if (!group || day_ < 1 || day_ > kMonthSlots) return;
    for (size_t w = 0; w < roster_.workers.size(); ++w) {
        const Duty& duty = roster_.workers[w].duties[day_ - 1];
        if (duty.seq != 0 && !duty.day_off_marker && duty.group_id == group->id)
            duties_.push_back({static_cast<int>(w) + 1, duty});
    }
}

std::string DayProperties::hint(int row) const {
    if (row < 0 || row >= static_cast<int>(duties_.size())) return {};
    const DutyRow& r = duties_[row];
    const Worker& w = roster_.workers[r.worker - 1];
    return format_text("[%s %s] %s - %s", {w.imie, w.nazwisko, min2h(r.duty.start, "txt", true),
                                           min2h(r.duty.start + r.duty.duration, "txt", true)});
}

void DayProperties::set_notes(std::string_view notes) {
    notes_ = std::string(notes.substr(0, kDayNotesLength));
}

std::string DayProperties::notes_counter() const {
    return format_text(tr("l_notes", "Notatki: (pozostało znaków: %d)"),
                       {std::to_string(kDayNotesLength - notes_.size())});
}

bool DayProperties::default_holiday_enabled() const {
    const CalendarDay* d = day_of(roster_, day_);
    return d && d->kalendarz_wlasny;
}

void DayProperties::restore_default_holiday() {
    if (CalendarDay* d = day_of(roster_, day_)) d->kalendarz_wlasny = false;
}

void DayProperties::delete_duty(int row) {
    if (row < 0 || row >= static_cast<int>(duties_.size())) return;
    const int worker_index = duties_[row].worker - 1;
    if (usun_dyzur(roster_, options_, prompter_, worker_index, day_, day_, {}) == 0) return;
    fill_duties();
    duty_deleted_ = true;
}

NormStatus DayProperties::apply() {
    if (CalendarDay* d = day_of(roster_, day_)) {
        d->kalendarz_notatki = notes_;
        d->kalendarz_ostre_dyzury = er_duty_;
    }
    return recompute_month_norm(roster_, options_);
}

}  // namespace tabrel
