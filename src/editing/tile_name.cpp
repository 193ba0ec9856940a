#include "editing/tile_name.h"

#include <charconv>
#include <iterator>

namespace tabrel {

namespace {

// A decimal number of at most five digits, nothing else.
std::optional<int> number(std::string_view text) {
    if (text.empty() || text.size() > 5 || text.front() < '0' || text.front() > '9')
        return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// The name's first letter: "p" for a duty, "u" for a day off.
char kind_letter(TileKind kind) {
    return kind == TileKind::Duty ? 'p' : 'u';
}

std::optional<TileKind> kind_of_letter(char letter) {
    if (letter == 'p') return TileKind::Duty;
    if (letter == 'u') return TileKind::DayOff;
    return std::nullopt;
}

}  // namespace

// Without temporary strings: a full ward names thousands of tiles at every layout.
std::string tile_name(const TileRef& ref) {
    std::string name(1, kind_letter(ref.kind));
    char digits[12];
    name.append(digits, std::to_chars(digits, std::end(digits), ref.worker).ptr);
    name += '_';
    name.append(digits, std::to_chars(digits, std::end(digits), ref.day).ptr);
    return name;
}

std::optional<TileRef> parse_tile_name(std::string_view name) {
    if (name.empty()) return std::nullopt;
    const std::optional<TileKind> kind = kind_of_letter(name.front());
    if (!kind) return std::nullopt;
    const size_t separator = name.find('_');
    if (separator == std::string_view::npos) return std::nullopt;
    const std::optional<int> worker = number(name.substr(1, separator - 1));
    const std::optional<int> day = number(name.substr(separator + 1));
    if (!worker || !day) return std::nullopt;
    return TileRef{*kind, *worker, *day};
}

}  // namespace tabrel
