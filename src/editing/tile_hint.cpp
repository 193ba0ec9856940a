#include "editing/tile_hint.h"

#include "editing/symbols.h"
#include "i18n/cp1250.h"
#include "model/time_value.h"
#include "worktime/leave_account.h"
#include "worktime/nearest.h"

namespace tabrel {

namespace {

std::string worker_line(const Worker& worker, const Group& group) {
    std::string line = worker.nazwisko + " " + worker.imie;
    if (!belongs_to(worker, group.id)) line += cp(" [Pracownik spoza grupy]");
    return line;
}

std::vector<std::string> duty_lines(const Duty& duty) {
    return {cp("W godzinach: ") + min2h(duty.start, "txt", false) + "-" +
                min2h(duty.start + duty.duration, "txt", true),
            cp("Czas trwania: ") + min2h(duty.duration, "txt", false),
            cp("Godziny nadliczbowe: ") + min2h(duty.overtime, "txt", false)};
}

std::vector<std::string> day_off_lines(const Roster& roster, const Options& options,
                                       const Worker& worker, const DayOff& entry) {
    const uint16_t day8 = roster.current()->profile.day8;
    const int64_t working = working_days_between(roster.calendar, entry.from_day, entry.to_day);
    return {cp("[Urlop] ") + wolne2nazwa(options, entry) + " [od " +
                std::to_string(entry.from_day) + " do " + std::to_string(entry.to_day) + "]",
            cp("Normatyw: ") + min2h(working * nearest(day8 * worker.etat / 100), "txt", false),
            cp("Dyżury: ") +
                min2h(leave_minutes(roster.calendar, worker, entry.from_day, entry.to_day, day8),
                      "txt", false)};
}

}  // namespace

std::vector<std::string> tile_hint(const Roster& roster, const Options& options, const Tile& tile) {
    const Worker& worker = roster.workers[static_cast<size_t>(tile.worker)];
    const size_t day = static_cast<size_t>(tile.day);
    std::vector<std::string> lines{worker_line(worker, *roster.current())};
    const std::vector<std::string> rest =
        tile.kind == TileKind::Duty ? duty_lines(worker.duties[day])
                                    : day_off_lines(roster, options, worker, worker.days_off[day]);
    lines.insert(lines.end(), rest.begin(), rest.end());
    return lines;
}

}  // namespace tabrel
