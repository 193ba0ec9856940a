#pragma once

namespace tabrel {

// What a tile in the month grid stands for: a duty or a day off.
enum class TileKind { Duty, DayOff };

}  // namespace tabrel
