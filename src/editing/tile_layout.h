#pragma once

#include <string>
#include <vector>

#include "editing/tile_kind.h"
#include "editing/view_state.h"
#include "model/colour.h"
#include "model/roster.h"
#include "storage/options.h"

namespace tabrel {

// Tiles are 16 pixels square; a sub-cell holds P = row height div 16 of them in a column.
constexpr int kTileSize = 16;

// The toolkit's button-text colour, the font of an accepted duty.
constexpr Colour kButtonTextColour = 0x80000012u;
constexpr Colour kUnacceptedBackground = rgb(250, 250, 250);
constexpr Colour kUnacceptedFont = rgb(50, 50, 50);
constexpr Colour kDayOffFont = rgb(255, 0, 0);  // also a duty on a day off, one worker shown
constexpr Colour kNoDutyBackground = rgb(0, 0, 0);

// One tile as the calendar widget draws it. Pixel position inside the grid:
// left = left of cell (column, row) + tile_column × 16 + 1, top = top of the row + tile_row × 16
// + 1.
struct Tile {
    TileKind kind = TileKind::Duty;
    std::string name;  // "p" or "u" + worker index + "_" + day index (0-based)
    int worker = 0;    // worker index
    int day = 0;       // day index of the duty, or of the day off's first day
    int16_t seq = 0;   // the entry's running number, the tile's tag
    int column = 0;    // grid column: the day's first sub-column + sub_column
    int row = 0;       // grid row (week)
    int sub_column = 0;
    int index = 0;        // position inside the sub-cell, counted top to bottom, then left to right
    int tile_column = 0;  // index div P
    int tile_row = 0;     // index mod P
    std::string caption;  // cp1250
    Colour background = 0;
    Colour font = 0;
    bool bold = false;
    bool italic = false;
    bool draggable = true;
    bool border = false;  // the selected worker's tiles
    bool law = false;     // a duty in a working-time finding's day or week
};

struct TileLayout {
    std::vector<Tile> tiles;  // duties first, then days off, in laying order
    // Workers drawn in white (not members of the current group, or blocked), in order of their
    // first tile: the worker list shows them as temporary rows.
    std::vector<int> temporary_workers;
};

// Tiles per column of a sub-cell for a grid whose default row height is `row_height` pixels;
// at least 1, so a squeezed grid still lays tiles out.
int tiles_per_column(int row_height);

// Lays out every duty tile, then every day-off tile, of the shown month for the current group
// under the show switches, `tiles_per_column` tiles to a column. Counts them as it goes: each
// day's `shift_counts` (one per duty tile in the shift's sub-column) and `extra_count` (one per
// day-off tile) are cleared and recounted, so they always describe the tiles returned. Without a
// current group, or with a group without shifts, there are no tiles and every counter is 0.
// `room` is a layout no longer needed whose memory the new one reuses: a full ward's tiles
// would otherwise take fresh pages at every layout.
TileLayout lay_out_tiles(Roster& roster, const ViewState& view, const Options& options,
                         int tiles_per_column, TileLayout room = {});

}  // namespace tabrel
