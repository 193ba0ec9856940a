#include "editing/law_tiles.h"

#include <algorithm>
#include <tuple>

namespace tabrel {

namespace {

constexpr int64_t kDay = 1440;

bool marks_tiles(LawRule rule) {
    return rule != LawRule::WeeklyHours && rule != LawRule::YearlyOvertime;
}

bool within(const Duty& d, int day, const LawFinding& f) {
    const int64_t start = int64_t(day) * kDay + d.start;
    const int64_t end = start + std::max(0, d.duration + d.overtime);
    return start < f.end && end > f.start;
}

}  // namespace

void mark_law_tiles(TileLayout& layout, const Roster& roster,
                    const std::vector<LawFinding>& findings) {
    // Searched by worker: a full ward's thousands of findings are not grouped into lists anew.
    std::vector<const LawFinding*> marking;
    for (const LawFinding& f : findings)
        if (marks_tiles(f.rule)) marking.push_back(&f);
    if (marking.empty()) return;
    const auto by_worker = [](const LawFinding* a, const LawFinding* b) {
        return a->worker_id < b->worker_id;
    };
    std::stable_sort(marking.begin(), marking.end(), by_worker);
    // Tiles come worker by worker: the range found is kept while the worker stays.
    int searched = -1;
    auto first = marking.cend(), last = marking.cend();
    for (Tile& t : layout.tiles) {
        if (t.kind != TileKind::Duty) continue;
        const Worker& w = roster.workers[static_cast<size_t>(t.worker)];
        if (t.worker != searched) {
            LawFinding wanted;
            wanted.worker_id = w.id;
            std::tie(first, last) =
                std::equal_range(marking.cbegin(), marking.cend(), &wanted, by_worker);
            searched = t.worker;
        }
        const Duty& d = w.duties[static_cast<size_t>(t.day)];
        t.law = std::any_of(first, last, [&](const LawFinding* f) { return within(d, t.day, *f); });
    }
}

std::vector<std::string> law_tile_texts(const Tile& tile, const Roster& roster,
                                        const std::vector<LawFinding>& findings) {
    std::vector<std::string> texts;
    if (!tile.law) return texts;
    const Worker& w = roster.workers[static_cast<size_t>(tile.worker)];
    const Duty& d = w.duties[static_cast<size_t>(tile.day)];
    for (const LawFinding& f : findings)
        if (f.worker_id == w.id && marks_tiles(f.rule) && within(d, tile.day, f))
            texts.push_back(law_finding_text(f));
    return texts;
}

}  // namespace tabrel
