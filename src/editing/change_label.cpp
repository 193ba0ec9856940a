#include "editing/change_label.h"

#include <algorithm>
#include <array>
#include <map>

#include "i18n/text.h"

namespace tabrel {

namespace {

struct Tally {
    int added = 0;
    int removed = 0;
    int moved = 0;
    int changed = 0;
};

template <typename Entry, size_t N>
void collect(std::map<int16_t, std::pair<uint16_t, Entry>>& by_seq, uint16_t worker,
             const std::array<Entry, N>& slots) {
    for (const Entry& e : slots)
        if (e.seq != 0) by_seq.insert_or_assign(e.seq, std::pair{worker, e});
}

// Where an entry lies on the grid: a duty's day and shift, a day off's first day.
int place(const Duty& d) {
    return d.day_no * (kMaxShifts + 1) + d.shift_no;
}
int place(const DayOff& d) {
    return d.from_day;
}

// Entries matched by their running number before and after the change.
template <typename Entry, size_t N>
Tally tally(const RosterChange& change, std::array<Entry, N> Worker::*slots) {
    std::map<int16_t, std::pair<uint16_t, Entry>> before, after;
    for (const RecordChange<Worker>& c : change.workers) {
        if (c.before) collect(before, c.before->id, (*c.before).*slots);
        if (c.after) collect(after, c.after->id, (*c.after).*slots);
    }
    Tally t;
    for (const auto& [seq, b] : before) {
        const auto a = after.find(seq);
        if (a == after.end())
            ++t.removed;
        else if (a->second.first != b.first || place(a->second.second) != place(b.second))
            ++t.moved;
        else if (!(a->second.second == b.second))
            ++t.changed;
    }
    for (const auto& [seq, a] : after)
        if (!before.contains(seq)) ++t.added;
    // A moved entry is laid anew with a running number of its own.
    const int moved = std::min(t.added, t.removed);
    t.moved += moved;
    t.added -= moved;
    t.removed -= moved;
    return t;
}

bool structural(const Tally& t) {
    return t.added + t.removed + t.moved > 0;
}

// An entry added, removed or moved names the change; one changed in place only when nothing
// was added, removed or moved. Empty when the change mixes those.
std::string label_of(const Tally& t, bool duties) {
    if (t.added > 0 && t.removed + t.moved == 0)
        return duties ? tr("und_DutyAdd", "dodanie dyżuru")
                      : tr("und_DayOffAdd", "dodanie wolnego");
    if (t.removed > 0 && t.added + t.moved == 0)
        return duties ? tr("und_DutyDelete", "usunięcie dyżuru")
                      : tr("und_DayOffDelete", "usunięcie wolnego");
    if (t.moved > 0 && t.added + t.removed == 0)
        return duties ? tr("und_DutyMove", "przeniesienie dyżuru")
                      : tr("und_DayOffMove", "przeniesienie wolnego");
    if (t.changed > 0 && !structural(t))
        return duties ? tr("und_DutyChange", "zmiana dyżuru")
                      : tr("und_DayOffChange", "zmiana wolnego");
    return {};
}

}  // namespace

std::string change_label(const RosterChange& change) {
    const Tally duties = tally(change, &Worker::duties);
    const Tally days_off = tally(change, &Worker::days_off);
    // A duty laid into a day off changes the day off's accounts, and a day off laid over a duty
    // marks the duty: the entry added, removed or moved names the change.
    std::string label;
    if (structural(duties) != structural(days_off))
        label = structural(duties) ? label_of(duties, true) : label_of(days_off, false);
    else if (!structural(duties))
        label = duties.changed > 0 ? label_of(duties, true) : label_of(days_off, false);
    return label.empty() ? tr("und_MonthChange", "zmiana miesiąca") : label;
}

}  // namespace tabrel
