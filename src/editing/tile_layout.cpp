#include "editing/tile_layout.h"

#include <algorithm>

#include "editing/symbols.h"
#include "editing/tile_name.h"
#include "worktime/hour_split.h"

namespace tabrel {

namespace {

// Where a day's first sub-cell lies on the grid; column -1 for a day the grid does not show.
struct DayPlace {
    int column = -1;
    int row = 0;
};

std::vector<DayPlace> day_places(const MonthCalendar& calendar) {
    std::vector<DayPlace> places(calendar.days.size());
    for (size_t column = 0; column < calendar.cells.size(); ++column) {
        for (size_t row = 0; row < calendar.cells[column].size(); ++row) {
            const int day = calendar.cells[column][row].day;
            if (day < 1 || day > static_cast<int>(places.size())) continue;
            DayPlace& place = places[day - 1];
            if (place.column < 0) place = {static_cast<int>(column), static_cast<int>(row)};
        }
    }
    return places;
}

const Group* group_by_id(const Roster& roster, uint16_t id) {
    for (const Group& g : roster.groups)
        if (g.id == id) return &g;
    return nullptr;
}

std::string day_off_caption(const DayOff& entry) {
    return entry.from_day == entry.to_day ? "x" : "\xBB";
}

// The kinds without hours have a white tile with a fixed caption.
std::optional<std::string> fixed_caption(char kind) {
    switch (kind) {
        case '1':
            return "ni";
        case '5':
            return "5d";
        case '7':
            return "so";
        case '9':
            return "sw";
        default:
            return std::nullopt;
    }
}

class Layout {
public:
    Layout(Roster& roster, const ViewState& view, const Options& options, int per_column,
           TileLayout room)
        : roster_(roster),
          view_(view),
          options_(options),
          per_column_(std::max(per_column, 1)),
          group_(*roster.current()),
          shifts_(static_cast<int>(group_.profile.shifts.size())),
          places_(day_places(roster.calendar)),
          shift_counts_(roster.calendar.days.size(), std::vector<int>(shifts_, 0)),
          extra_counts_(roster.calendar.days.size(), 0),
          result_(std::move(room)) {
        result_.tiles.clear();
        result_.temporary_workers.clear();
        members_.reserve(roster.workers.size());
        for (const Worker& worker : roster.workers)
            members_.push_back(belongs_to(worker, group_.id));
    }

    TileLayout run() {
        if (view_.show_what != ViewState::ShowWhat::DaysOff) lay_out_duties();
        if (view_.show_what != ViewState::ShowWhat::Duties && selected() >= 0) lay_out_days_off();
        return std::move(result_);
    }

    // The counters are 8-bit; a crowded cell stops at 255 rather than wrapping to a few.
    void store_counts() const {
        auto byte = [](int count) { return static_cast<uint8_t>(std::min(count, 255)); };
        for (size_t d = 0; d < roster_.calendar.days.size(); ++d) {
            CalendarDay& day = roster_.calendar.days[d];
            day.shift_counts.assign(shift_counts_[d].size(), 0);
            for (size_t s = 0; s < shift_counts_[d].size(); ++s)
                day.shift_counts[s] = byte(shift_counts_[d][s]);
            day.extra_count = byte(extra_counts_[d]);
        }
    }

private:
    bool one_worker() const { return view_.show_who == ViewState::ShowWho::Selected; }

    int selected() const {
        const int w = roster_.current_worker;
        return w < static_cast<int>(roster_.workers.size()) ? w : -1;
    }

    std::vector<int> shown_workers() const {
        if (one_worker())
            return selected() >= 0 ? std::vector<int>{selected()} : std::vector<int>{};
        std::vector<int> all(roster_.workers.size());
        for (size_t w = 0; w < all.size(); ++w) all[w] = static_cast<int>(w);
        return all;
    }

    int days() const { return static_cast<int>(roster_.calendar.days.size()); }

    bool outsider(int w) const { return roster_.workers[w].old || !members_[w]; }

    void lay_out_duties() {
        const std::vector<int> workers = shown_workers();
        // At most a tile a day each; one allocation instead of a full ward's regrowing copies.
        result_.tiles.reserve(workers.size() * static_cast<size_t>(std::min(days(), kMonthSlots)));
        for (int w : workers) {
            for (int d = 0; d < days() && d < kMonthSlots; ++d) {
                const Duty& duty = roster_.workers[w].duties[d];
                if (duty.seq == 0) continue;
                if (!one_worker() && (duty.group_id != group_.id || duty.day_off_marker)) continue;
                const int sub_column = std::clamp(duty.shift_no - 1, 0, shifts_ - 1);
                Tile tile = duty_tile(w, d, duty);
                if (place(tile, d, sub_column)) ++shift_counts_[d][sub_column];
            }
        }
    }

    void lay_out_days_off() {
        for (int w : shown_workers()) {
            for (int d = 0; d < days() && d < kMonthSlots; ++d) {
                const DayOff& entry = roster_.workers[w].days_off[d];
                if (entry.seq == 0 || !gets_tile(entry, w)) continue;
                Tile tile = day_off_tile(w, d, entry);
                if (place(tile, d, 0)) ++extra_counts_[d];
            }
        }
    }

    bool gets_tile(const DayOff& entry, int w) const {
        if (w == selected()) return true;
        return entry.group_id == group_.id && carries_hours(entry.kind);
    }

    // Puts the tile after those already in its sub-cell; false when the grid has no such cell.
    bool place(Tile& tile, int d, int sub_column) {
        const DayPlace& at = places_[d];
        if (at.column < 0 ||
            at.column + sub_column >= static_cast<int>(roster_.calendar.cells.size()))
            return false;
        tile.column = at.column + sub_column;
        tile.row = at.row;
        tile.sub_column = sub_column;
        tile.index = shift_counts_[d][sub_column] + (sub_column == 0 ? extra_counts_[d] : 0);
        tile.tile_column = tile.index / per_column_;
        tile.tile_row = tile.index % per_column_;
        if (outsider(tile.worker)) note_temporary(tile.worker);
        result_.tiles.push_back(std::move(tile));
        return true;
    }

    void note_temporary(int w) {
        std::vector<int>& list = result_.temporary_workers;
        if (std::find(list.begin(), list.end(), w) == list.end()) list.push_back(w);
    }

    Tile common_tile(TileKind kind, int w, int d, int16_t seq) const {
        Tile tile;
        tile.kind = kind;
        tile.name = tile_name({kind, w, d});
        tile.worker = w;
        tile.day = d;
        tile.seq = seq;
        tile.border = w == selected();
        return tile;
    }

    Tile duty_tile(int w, int d, const Duty& duty) const {
        const Worker& worker = roster_.workers[w];
        Tile tile = common_tile(TileKind::Duty, w, d, duty.seq);
        const bool symbols = one_worker() || view_.captions == ViewState::Captions::DutyType;
        tile.caption = symbols ? dyzur2symbol(roster_, options_, duty, SymbolMode::KSymbol, "htm")
                               : worker.pseudo;
        if (duty.accepted) {
            tile.background = one_worker() ? colour_of_group(duty.group_id, worker) : worker.kolor;
            tile.font = kButtonTextColour;
        } else {
            tile.background = kUnacceptedBackground;
            tile.font = kUnacceptedFont;
        }
        if (one_worker() && duty.day_off_marker) tile.font = kDayOffFont;
        if (outsider(w)) tile.font = clWhite;
        tile.bold = duty.overtime != 0;
        tile.italic = duty.on_request;
        tile.draggable = !duty.on_request;
        return tile;
    }

    Tile day_off_tile(int w, int d, const DayOff& entry) const {
        const Worker& worker = roster_.workers[w];
        Tile tile = common_tile(TileKind::DayOff, w, d, entry.seq);
        if (const auto caption = fixed_caption(entry.kind)) {
            tile.caption = *caption;
            tile.background = clWhite;
        } else if (entry.kind == kNoDutyLetter) {
            tile.caption = entry.minutes == 0 ? "d" : std::to_string(entry.minutes);
            tile.background = kNoDutyBackground;
        } else {
            tile.caption = day_off_caption(entry);
            tile.background = one_worker() ? colour_of_group(entry.group_id, worker) : worker.kolor;
        }
        tile.font = outsider(w) ? clWhite : kDayOffFont;
        tile.bold = true;
        return tile;
    }

    Colour colour_of_group(uint16_t id, const Worker& worker) const {
        const Group* g = group_by_id(roster_, id);
        return g ? g->kolor : worker.kolor;
    }

    Roster& roster_;
    const ViewState& view_;
    const Options& options_;
    int per_column_;
    const Group& group_;
    int shifts_;
    std::vector<DayPlace> places_;
    std::vector<std::vector<int>> shift_counts_;
    std::vector<int> extra_counts_;
    std::vector<bool> members_;  // of the current group, by worker index
    TileLayout result_;
};

}  // namespace

int tiles_per_column(int row_height) {
    return std::max(row_height / kTileSize, 1);
}

TileLayout lay_out_tiles(Roster& roster, const ViewState& view, const Options& options,
                         int tiles_per_column, TileLayout room) {
    const Group* group = roster.current();
    if (group == nullptr || group->profile.shifts.empty()) {
        for (CalendarDay& day : roster.calendar.days) {
            std::fill(day.shift_counts.begin(), day.shift_counts.end(), 0);
            day.extra_count = 0;
        }
        return {};
    }
    Layout layout(roster, view, options, tiles_per_column, std::move(room));
    TileLayout result = layout.run();
    layout.store_counts();
    return result;
}

}  // namespace tabrel
