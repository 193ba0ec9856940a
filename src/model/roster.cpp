#include "model/roster.h"

#include <algorithm>
#include <limits>

#include "i18n/text.h"
#include "model/day_off_type.h"
#include "model/shown_month.h"

namespace tabrel {

void Roster::dodaj_grupe(const Group& g, bool replace) {
    if (replace && current_group >= 0 && current_group < static_cast<int>(groups.size()))
        groups[current_group] = g;
    else
        groups.push_back(g);
}

void Roster::dodaj_pracow(const Worker& w, bool replace, int index) {
    if (replace && index >= 0 && index < static_cast<int>(workers.size()))
        workers[index] = w;
    else
        workers.push_back(w);
}

bool Roster::dodaj_dyzur(Duty d, int worker_index) {
    if (d.day_no < 1 || d.day_no > month_days()) return false;
    if (worker_index < 0 || worker_index >= static_cast<int>(workers.size())) {
        detached_duties.push_back(d);
        return false;
    }
    d.seq = ++duty_counter;
    d.weight = 1.0f;
    if (d.start == 0) {
        const Group* g = current();
        if (g && d.shift_no >= 1 && d.shift_no <= g->profile.shifts.size())
            d.start = g->profile.shifts[d.shift_no - 1].zod;
    }
    workers[worker_index].duties[d.day_no - 1] = d;
    return true;
}

DayOffPlacement Roster::dodaj_wolne(DayOff d, int worker_index) {
    if (worker_index < 0 || worker_index >= static_cast<int>(workers.size())) {
        detached_days_off.push_back(d);
        return {};
    }
    d.seq = ++day_off_counter;
    const int last = month_days();
    d.from_day = static_cast<uint8_t>(std::clamp<int>(d.from_day, 1, last));
    DayOffPlacement placement{.placed = true, .notice = {}};
    if (d.to_day > last) {
        placement.notice = tr("msg_DayOffCut", "Poprawiono końcowy dzień trwania wolnego z ") +
                           std::to_string(d.to_day) + tr("msg_DayOffCut2", " na ") +
                           std::to_string(last);
        d.to_day = static_cast<uint8_t>(last);
    }
    Worker& w = workers[worker_index];
    w.days_off[d.from_day - 1] = d;
    if (d.kind != kNoDutyLetter) {
        for (int day = d.from_day; day <= d.to_day; ++day) w.duties[day - 1].day_off_marker = true;
    }
    return placement;
}

NoFreeIdError::NoFreeIdError()
    : std::runtime_error(tr("msg_NoFreeId",
                            "Nie można dodać: wszystkie numery (1–65535) są "
                            "już zajęte.")) {}

uint16_t Roster::id(char kind) const {
    constexpr uint16_t kHighest = std::numeric_limits<uint16_t>::max();
    std::vector<bool> taken(size_t{kHighest} + 1);
    taken[0] = true;  // 0 marks a slot that is not stored
    if (kind == 'g') {
        for (const auto& g : groups) taken[g.id] = true;
    } else {
        for (const auto& w : workers) taken[w.id] = true;
    }
    if (!taken[kHighest]) {
        // Largest + 1: an id never goes back below one already handed out.
        size_t largest = kHighest;
        while (!taken[largest]) --largest;
        return static_cast<uint16_t>(largest + 1);
    }
    const auto free = std::find(taken.begin(), taken.end(), false);
    if (free == taken.end()) throw NoFreeIdError();
    return static_cast<uint16_t>(free - taken.begin());
}

void Roster::rebuild_worker_ids() {
    worker_ids.clear();
    for (const auto& w : workers) worker_ids.push_back(std::to_string(w.id));
}

int Roster::worker_index(uint16_t worker_id) const {
    auto it = std::find(worker_ids.begin(), worker_ids.end(), std::to_string(worker_id));
    return it == worker_ids.end() ? -1 : static_cast<int>(it - worker_ids.begin());
}

int Roster::month_days() const {
    if (!calendar.days.empty()) return static_cast<int>(calendar.days.size());
    const YearMonth shown = shown_year_month(*this);
    return days_in_month(shown.year, shown.month);
}

const Group* Roster::current() const {
    if (current_group < 0 || current_group >= static_cast<int>(groups.size())) return nullptr;
    return &groups[current_group];
}

}  // namespace tabrel
