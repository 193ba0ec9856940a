#include "editing/worker_list_rows.h"

#include <algorithm>
#include <cstdio>

#include "model/time_value.h"
#include "worktime/nearest.h"

namespace tabrel {

namespace {

std::string row_text(const Roster& roster, int w) {
    const Worker& worker = roster.workers[w];
    char index[16];
    std::snprintf(index, sizeof index, "%.4d", w);
    return index + ("=" + worker.nazwisko) + " " + worker.imie;
}

bool is_member(const Roster& roster, const Worker& worker) {
    const Group* group = roster.current();
    return group != nullptr && belongs_to(worker, group->id);
}

std::optional<NormBar> norm_bar(const Worker& worker) {
    if (worker.norma <= 0) return std::nullopt;
    const int used = worker.summary.worked_total + worker.summary.leave_toward_norm;
    const double ratio = static_cast<double>(used) / worker.norma;
    NormBar bar;
    bar.length = static_cast<int>(
        std::clamp<int64_t>(nearest(ratio * NormBar::kFullLength), 0, NormBar::kFullLength));
    bar.colour = used < worker.norma ? kBelowNorm : used == worker.norma ? kAtNorm : kAboveNorm;
    return bar;
}

std::string tally(const Worker& worker, TimeValue night_length) {
    const std::string holiday_hours = min2h(worker.summary.hours_S, "txt", false);
    const int64_t nights = nearest(static_cast<double>(worker.summary.hours_N) / night_length);
    char counts[48];
    std::snprintf(counts, sizeof counts, "/%d/%lld", worker.duty_count,
                  static_cast<long long>(nights));
    return " " + holiday_hours + counts;
}

}  // namespace

std::vector<WorkerListRow> odswiez_liste_prac_panel(const Roster& roster, const ViewState& view,
                                                    int first, int last) {
    std::vector<WorkerListRow> rows;
    const int end = std::min(last, static_cast<int>(roster.workers.size()) - 1);
    for (int w = std::max(first, 0); w <= end; ++w) {
        const Worker& worker = roster.workers[w];
        if (!view.show_all_workers && !is_member(roster, worker)) continue;
        if (worker.old && !view.show_deleted) continue;
        rows.push_back({w, row_text(roster, w), false});
    }
    return rows;
}

std::optional<size_t> row_to_select(const std::vector<WorkerListRow>& rows, int worker) {
    if (rows.empty()) return std::nullopt;
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].worker == worker) return i;
    return 0;
}

void add_temporary_rows(std::vector<WorkerListRow>& rows, const Roster& roster,
                        const std::vector<int>& workers) {
    for (int w : workers) {
        if (w < 0 || w >= static_cast<int>(roster.workers.size())) continue;
        const bool listed = std::any_of(rows.begin(), rows.end(),
                                        [w](const WorkerListRow& row) { return row.worker == w; });
        if (!listed) rows.push_back({w, row_text(roster, w) + "\xA4", true});
    }
}

WorkerRowLook worker_row_look(const Roster& roster, const Options& options,
                              const WorkerListRow& row, bool selected) {
    const Worker& worker = roster.workers.at(row.worker);
    WorkerRowLook look;
    look.mark = worker.kolor;
    look.mark_text = worker.pseudo;
    look.bar = norm_bar(worker);
    look.name = worker.nazwisko + " " + worker.imie;
    look.strike_out = worker.old;
    look.bold = is_member(roster, worker);
    look.text_colour = selected ? clWhite : row.temporary ? kTemporaryRowText : kWindowTextColour;
    if (options.noc_do != 0) look.tally = tally(worker, options.noc_do);
    look.tally_colour = selected ? clWhite : kTallyColour;
    return look;
}

}  // namespace tabrel
