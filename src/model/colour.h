#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tabrel {

// A colour as the files keep it: 0x00BBGGRR, red in the low byte. System colours carry bit 31.
using Colour = uint32_t;

constexpr Colour rgb(uint8_t r, uint8_t g, uint8_t b) {
    return Colour(r) | (Colour(g) << 8) | (Colour(b) << 16);
}

constexpr Colour clNone = 536870911;
constexpr Colour clWhite = rgb(255, 255, 255);
constexpr Colour clYellow = rgb(255, 255, 0);

// The colour's name when it has one ("clWhite"), else "$" and 8 upper-case hex digits.
std::string colour_to_text(Colour c);

// A colour name in any letter case, a decimal number or "$" hex; nothing for anything else.
std::optional<Colour> colour_from_text(std::string_view text);

}  // namespace tabrel
