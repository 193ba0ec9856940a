#include "storage/short_date.h"

#include <chrono>
#include <string>
#include <vector>

namespace tabrel {

namespace {

enum class Field { day, month, year };

std::vector<std::string> digit_runs(std::string_view text) {
    std::vector<std::string> runs;
    bool in_run = false;
    for (char c : text) {
        const bool digit = c >= '0' && c <= '9';
        if (digit && !in_run) runs.emplace_back();
        if (digit) runs.back() += c;
        in_run = digit;
    }
    return runs;
}

// The field order of the locale's short date, learnt from a date whose parts differ.
std::optional<std::vector<Field>> field_order(const Locale& locale) {
    std::vector<Field> order;
    for (const std::string& run : digit_runs(locale.short_date(2033, 11, 22))) {
        if (run == "2033" || run == "33")
            order.push_back(Field::year);
        else if (run == "11")
            order.push_back(Field::month);
        else if (run == "22")
            order.push_back(Field::day);
        else
            return std::nullopt;
    }
    if (order.size() != 3) return std::nullopt;
    return order;
}

}  // namespace

std::optional<Date> parse_short_date(const Locale& locale, std::string_view text) {
    const auto order = field_order(locale);
    const std::vector<std::string> runs = digit_runs(text);
    if (!order || runs.size() != 3) return std::nullopt;
    int values[3] = {0, 0, 0};
    for (size_t i = 0; i < 3; ++i) {
        if (runs[i].size() > 4) return std::nullopt;
        int value = std::stoi(runs[i]);
        if ((*order)[i] == Field::year && runs[i].size() <= 2) value += 2000;
        values[static_cast<int>((*order)[i])] = value;
    }
    const Date date{values[2], values[1], values[0]};
    using namespace std::chrono;
    const year_month_day ymd{year{date.year}, month{static_cast<unsigned>(date.month)},
                             day{static_cast<unsigned>(date.day)}};
    if (!ymd.ok()) return std::nullopt;
    return date;
}

Date days_before(Date date, int days) {
    using namespace std::chrono;
    const sys_days from{year{date.year} / date.month / date.day};
    const year_month_day to{from - std::chrono::days{days}};
    return {static_cast<int>(to.year()), static_cast<int>(static_cast<unsigned>(to.month())),
            static_cast<int>(static_cast<unsigned>(to.day()))};
}

}  // namespace tabrel
