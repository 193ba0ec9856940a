#pragma once

#include <optional>
#include <string>
#include <vector>

#include "editing/view_state.h"
#include "model/colour.h"
#include "model/roster.h"
#include "storage/options.h"

namespace tabrel {

// One row of the worker list.
struct WorkerListRow {
    int worker = 0;    // worker index
    std::string text;  // "%.4d=%s %s" (index, surname, first name), a temporary row ends in ¤
    bool temporary = false;  // added for a tile of a worker the list does not show
    bool operator==(const WorkerListRow&) const = default;
};

// The rows of workers `first` to `last` (indices, inclusive, clipped to the register): members of
// the current group, or everyone when the list shows all workers; blocked workers only while
// "Pokaż usuniętych" is ticked.
std::vector<WorkerListRow> odswiez_liste_prac_panel(const Roster& roster, const ViewState& view,
                                                    int first, int last);

// The row to select after a rebuild: the row of `worker`, else the first; nothing for no rows.
std::optional<size_t> row_to_select(const std::vector<WorkerListRow>& rows, int worker);

// Appends a temporary row for each of `workers` that the list does not hold yet.
void add_temporary_rows(std::vector<WorkerListRow>& rows, const Roster& roster,
                        const std::vector<int>& workers);

constexpr Colour kWindowTextColour = 0x80000008u;
constexpr Colour kTemporaryRowText = rgb(192, 192, 192);
constexpr Colour kTallyColour = rgb(0, 0, 128);
constexpr Colour kBelowNorm = rgb(255, 0, 0);
constexpr Colour kAtNorm = rgb(0, 128, 0);
constexpr Colour kAboveNorm = rgb(0, 0, 255);

// The norm bar under a row: from 20 pixels in, `length` pixels long, with the full-norm tick.
struct NormBar {
    static constexpr int kLeft = 20;
    static constexpr int kFullLength = 140;
    static constexpr int kTick = 160;
    int length = 0;     // 0 .. kFullLength
    Colour colour = 0;  // red below the norm, dark green at it, blue above it

    auto operator<=>(const NormBar&) const = default;
};

// What one row of the worker list draws besides its background.
struct WorkerRowLook {
    Colour mark = 0;             // the worker's colour square
    std::string mark_text;       // the short name inside it
    std::optional<NormBar> bar;  // only for a worker with a norm above 0
    std::string name;            // surname, a blank, first name
    bool strike_out = false;     // a blocked worker
    bool bold = false;           // a member of the current group
    Colour text_colour = 0;
    // " %s/%d/%d": holiday hours, duties and nights, right-aligned; empty while the night
    // length is 0.
    std::string tally;
    Colour tally_colour = 0;

    auto operator<=>(const WorkerRowLook&) const = default;
};

WorkerRowLook worker_row_look(const Roster& roster, const Options& options,
                              const WorkerListRow& row, bool selected);

}  // namespace tabrel
