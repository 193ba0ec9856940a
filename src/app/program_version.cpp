#include "app/program_version.h"

#include <array>
#include <cstdlib>
#include <string_view>

namespace tabrel {

std::string program_version() {
    return TABREL_VERSION;
}

Date build_date() {
    // The compiler writes the date as "Dec  7 2026".
    constexpr std::string_view text = __DATE__;
    constexpr std::array<std::string_view, 12> months = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    int month = 1;
    while (month < 12 && months[month - 1] != text.substr(0, 3)) ++month;
    const std::string day(text.substr(4, 2));
    const std::string year(text.substr(7, 4));
    return {std::atoi(year.c_str()), month, std::atoi(day.c_str())};
}

}  // namespace tabrel
