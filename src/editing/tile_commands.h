#pragma once

#include <string_view>

#include "editing/edit_context.h"
#include "editing/redisplay.h"

namespace tabrel {

// tile_popup: what the popup menu of a tile offers.
struct TilePopup {
    bool edit_visible = false;     // "Zmień..." only for duty tiles
    bool restore_enabled = false;  // "Przywróć pracownika" only for a blocked worker's tile
    bool operator==(const TilePopup&) const = default;
};
TilePopup tile_popup(const Roster& roster, std::string_view tile);

// The trash: deletes the entry a tile stands for, of any group, without a question.
Redisplay kosz(EditContext& context, std::string_view tile);

// "Usuń": as the trash, after a question for a duty placed on request.
Redisplay delete_tile(EditContext& context, std::string_view tile);

// "Zmień...": the duty dialog in edit mode, filled from the tile's duty.
Redisplay edit_tile(EditContext& context, std::string_view tile);

}  // namespace tabrel
