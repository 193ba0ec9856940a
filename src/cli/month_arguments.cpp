#include "month_arguments.h"

#include <charconv>

namespace tabrel {

namespace {

// A whole decimal number and nothing else.
std::optional<int> number(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

std::optional<YearMonth> parse_year_month(std::string_view text) {
    if (text.size() != 7 || text[4] != '-') return std::nullopt;
    const auto year = number(text.substr(0, 4));
    const auto month = number(text.substr(5, 2));
    if (!year || !month || *year < 1 || *month < 1 || *month > 12) return std::nullopt;
    return YearMonth{*year, *month};
}

std::optional<int> choose_group(const Roster& roster, std::optional<int> id) {
    for (size_t i = 0; i < roster.groups.size(); ++i) {
        const Group& g = roster.groups[i];
        if (id ? g.id == *id : !g.old) return static_cast<int>(i);
    }
    if (id) return std::nullopt;
    return -1;
}

}  // namespace tabrel
