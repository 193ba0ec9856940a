#include "export/ical_calendar.h"

#include <cstdio>
#include <map>
#include <tuple>

#include "export/ical_events.h"
#include "export/ical_timezone.h"
#include "model/calendar.h"

namespace tabrel {

namespace fs = std::filesystem;
using std::chrono::sys_days;

namespace {

bool wanted(const Roster& roster, IcalTarget target, uint16_t worker_id, uint16_t group_id) {
    if (roster.worker_index(worker_id) < 0) return false;
    return target.kind == IcalTarget::Kind::Worker ? worker_id == target.id : group_id == target.id;
}

sys_days day_of(const MonthEntries& m, int day) {
    return sys_days(std::chrono::year(m.year) / std::chrono::month(static_cast<unsigned>(m.month)) /
                    std::chrono::day(static_cast<unsigned>(day)));
}

// FNV-1a of the data folder, so the same folder gives the same UIDs from the window and the
// command line, and two wards' files never clash in one calendar.
std::string uid_suffix(const fs::path& data_folder) {
    std::error_code ec;
    fs::path folder = fs::weakly_canonical(fs::absolute(data_folder), ec);
    if (ec) folder = data_folder;
    std::string text = folder.generic_string();
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    uint64_t hash = 14695981039346656037ull;
    for (const char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    char out[40];
    std::snprintf(out, sizeof out, "-%016llx@tabrel", static_cast<unsigned long long>(hash));
    return out;
}

std::string utc_value(std::chrono::sys_seconds stamp) {
    const sys_days date = std::chrono::floor<std::chrono::days>(stamp);
    const std::chrono::year_month_day d(date);
    const std::chrono::hh_mm_ss t(stamp - date);
    char out[24];
    std::snprintf(out, sizeof out, "%04d%02u%02uT%02d%02d%02dZ", static_cast<int>(d.year()),
                  static_cast<unsigned>(d.month()), static_cast<unsigned>(d.day()),
                  static_cast<int>(t.hours().count()), static_cast<int>(t.minutes().count()),
                  static_cast<int>(t.seconds().count()));
    return out;
}

// Days off of the target in month order; an entry that ends on its month's last day is joined
// by the entry of the same worker, group and kind that begins the next month.
std::vector<DayOffSpan> day_off_spans(const Roster& roster, IcalTarget target,
                                      const std::vector<MonthEntries>& months) {
    std::vector<DayOffSpan> spans;
    std::map<std::tuple<uint16_t, uint16_t, char, sys_days>, size_t> open_at_month_end;
    for (const MonthEntries& m : months) {
        const int days = days_in_month(m.year, m.month);
        std::map<std::tuple<uint16_t, uint16_t, char, sys_days>, size_t> ending;
        for (const DayOff& d : m.days_off) {
            if (!wanted(roster, target, d.worker_id, d.group_id)) continue;
            const sys_days first = day_of(m, d.from_day);
            const sys_days last = day_of(m, d.to_day);
            const auto key = std::make_tuple(d.worker_id, d.group_id, d.kind, first);
            const auto joined =
                d.from_day == 1 ? open_at_month_end.find(key) : open_at_month_end.end();
            size_t index = spans.size();
            if (joined != open_at_month_end.end()) {
                index = joined->second;
                spans[index].last = last;
                open_at_month_end.erase(joined);
            } else {
                spans.push_back({d.worker_id, d.group_id, d.kind, first, last});
            }
            if (d.to_day == days)
                ending[{d.worker_id, d.group_id, d.kind, last + std::chrono::days(1)}] = index;
        }
        open_at_month_end = std::move(ending);
    }
    return spans;
}

}  // namespace

std::string ical_calendar(const Roster& roster, const Options& options, IcalTarget target,
                          const std::vector<MonthEntries>& months, std::chrono::sys_seconds stamp) {
    const IcalContext ctx{roster, options, uid_suffix(roster.data_folder), utc_value(stamp),
                          target.kind == IcalTarget::Kind::Group};
    std::string out =
        "BEGIN:VCALENDAR\r\n"
        "VERSION:2.0\r\n"
        "PRODID:-//Dravik//Tabrel 3.50//PL\r\n"
        "CALSCALE:GREGORIAN\r\n" +
        ical_timezone();
    for (const MonthEntries& m : months)
        for (const Duty& d : m.duties)
            if (wanted(roster, target, d.worker_id, d.group_id))
                out += ical_duty_event(ctx, d, day_of(m, d.day_no));
    for (const DayOffSpan& span : day_off_spans(roster, target, months))
        out += ical_day_off_event(ctx, span);
    return out + "END:VCALENDAR\r\n";
}

}  // namespace tabrel
