#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "editing/tile_kind.h"

namespace tabrel {

// What a tile's name points at: a duty or a day off of a worker on a day index.
struct TileRef {
    TileKind kind = TileKind::Duty;
    int worker = 0;  // worker index
    int day = 0;     // day index, 0-based
    bool operator==(const TileRef&) const = default;
};

// "p" or "u" + worker index + "_" + day index.
std::string tile_name(const TileRef& ref);

// Splits a tile's name back; nothing for a name that is not a tile's.
std::optional<TileRef> parse_tile_name(std::string_view name);

}  // namespace tabrel
