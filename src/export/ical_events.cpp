#include "export/ical_events.h"

#include <cstdio>

#include "export/ical_text.h"
#include "export/ical_timezone.h"
#include "i18n/text.h"
#include "model/day_off_type.h"
#include "model/time_value.h"

namespace tabrel {

namespace {

using std::chrono::sys_days;

std::string date_value(sys_days day) {
    const std::chrono::year_month_day d(day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02u%02u", static_cast<int>(d.year()),
                  static_cast<unsigned>(d.month()), static_cast<unsigned>(d.day()));
    return text;
}

// Local date and time `minutes` after the midnight that begins `day`.
std::string local_time_value(sys_days day, int minutes) {
    const auto at = day + std::chrono::minutes(minutes);
    const sys_days date = std::chrono::floor<std::chrono::days>(at);
    const std::chrono::hh_mm_ss time(at - date);
    char text[16];
    std::snprintf(text, sizeof text, "T%02d%02d00", static_cast<int>(time.hours().count()),
                  static_cast<int>(time.minutes().count()));
    return date_value(date) + text;
}

const Worker* find_worker(const Roster& roster, uint16_t id) {
    const int index = roster.worker_index(id);
    return index < 0 ? nullptr : &roster.workers[static_cast<size_t>(index)];
}

const Group* find_group(const Roster& roster, uint16_t id) {
    for (const Group& g : roster.groups)
        if (g.id == id) return &g;
    return nullptr;
}

// The short name that opens each summary of a group's file.
std::string prefix(const IcalContext& ctx, uint16_t worker_id) {
    if (!ctx.worker_prefix) return {};
    const Worker* w = find_worker(ctx.roster, worker_id);
    return w ? w->pseudo + ": " : std::string();
}

// The shift's name, its symbol when unnamed, and the group's name.
std::string duty_summary(const IcalContext& ctx, const Duty& d) {
    const Group* g = find_group(ctx.roster, d.group_id);
    const Shift* s = g && d.shift_no >= 1 && d.shift_no <= g->profile.shifts.size()
                         ? &g->profile.shifts[d.shift_no - 1]
                         : nullptr;
    std::string shift = s ? (s->znazwa.empty() ? s->zsymbol : s->znazwa) : std::string();
    if (shift.empty()) shift = tr("d_IcalDuty", "Dyżur") + " " + std::to_string(d.shift_no);
    return prefix(ctx, d.worker_id) + shift + (g ? " - " + g->nazwa : std::string());
}

std::string duty_description(const Duty& d) {
    std::string text =
        min2h(d.start, "txt", true) + " - " + min2h(int64_t{d.start} + d.duration, "txt", true);
    if (!d.note.empty()) text += "\r\n" + d.note;
    if (d.overtime != 0)
        text += "\r\n" + tr("d_IcalOvertime", "Godziny nadliczbowe: ") +
                min2h(d.overtime, "txt", false);
    return text;
}

std::string day_off_summary(const IcalContext& ctx, const DayOffSpan& span) {
    const auto index = day_off_index(span.kind);
    const std::string name =
        index ? ctx.options.day_off[static_cast<size_t>(*index)].name : tr("d_IcalDayOff", "Wolne");
    return prefix(ctx, span.worker_id) + name;
}

std::string line(std::string_view name, std::string_view value) {
    return ical_content_line(std::string(name) + ":" + std::string(value));
}

}  // namespace

std::string ical_duty_event(const IcalContext& ctx, const Duty& d, sys_days day) {
    const std::string uid = "dyzur-" + date_value(day) + "-w" + std::to_string(d.worker_id) + "-g" +
                            std::to_string(d.group_id) + "-s" + std::to_string(d.shift_no) +
                            ctx.uid_suffix;
    const std::string zone = std::string(";TZID=") + kIcalTimeZone;
    return "BEGIN:VEVENT\r\n" + line("UID", uid) + line("DTSTAMP", ctx.stamp) +
           line("DTSTART" + zone, local_time_value(day, d.start)) +
           line("DTEND" + zone, local_time_value(day, d.start + d.duration)) +
           line("SUMMARY", ical_text_value(duty_summary(ctx, d))) +
           line("DESCRIPTION", ical_text_value(duty_description(d))) + "END:VEVENT\r\n";
}

std::string ical_day_off_event(const IcalContext& ctx, const DayOffSpan& span) {
    const auto index = day_off_index(span.kind);
    const std::string uid = "wolne-" + date_value(span.first) + "-w" +
                            std::to_string(span.worker_id) + "-g" + std::to_string(span.group_id) +
                            "-k" + std::to_string(index ? *index : kDayOffTypeCount) +
                            ctx.uid_suffix;
    return "BEGIN:VEVENT\r\n" + line("UID", uid) + line("DTSTAMP", ctx.stamp) +
           line("DTSTART;VALUE=DATE", date_value(span.first)) +
           line("DTEND;VALUE=DATE", date_value(span.last + std::chrono::days(1))) +
           line("SUMMARY", ical_text_value(day_off_summary(ctx, span))) +
           line("TRANSP", "TRANSPARENT") + "END:VEVENT\r\n";
}

}  // namespace tabrel
