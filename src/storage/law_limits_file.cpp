#include "storage/law_limits_file.h"

#include <algorithm>

#include "model/time_value.h"

namespace tabrel {

namespace {

struct LimitKey {
    const char* key;
    bool LawLimits::*on;
    int LawLimits::*minutes;  // null for a rule without a figure
};

const LimitKey kKeys[] = {
    {"odpoczynek_dobowy", &LawLimits::daily_rest_on, &LawLimits::daily_rest},
    {"dwa_dyzury_w_dobie", &LawLimits::same_day_twice_on, nullptr},
    {"odpoczynek_tygodniowy", &LawLimits::weekly_rest_on, &LawLimits::weekly_rest},
    {"praca_w_dobie", &LawLimits::day_length_on, &LawLimits::day_length},
    {"praca_tygodniowo", &LawLimits::weekly_hours_on, &LawLimits::weekly_hours},
    {"nadgodziny_w_roku", &LawLimits::yearly_overtime_on, &LawLimits::yearly_overtime},
};

constexpr int kLongestDay = 1440;

int read_minutes(const IniFile& file, const char* key, int fallback) {
    const auto text = file.value(kLawSection, key);
    if (!text) return fallback;
    try {
        const int minutes = h2min(*text);
        return minutes < 0 ? fallback : minutes;
    } catch (const TimeConversionError&) {
        return fallback;
    }
}

std::string switch_key(const char* key) {
    return std::string(key) + "_wl";
}

}  // namespace

LawLimits read_law_limits(const IniFile& file) {
    LawLimits l;
    for (const LimitKey& k : kKeys) {
        l.*k.on = file.read_integer(kLawSection, switch_key(k.key), l.*k.on ? 1 : 0) != 0;
        if (k.minutes) l.*k.minutes = read_minutes(file, k.key, l.*k.minutes);
    }
    l.day_length = std::min(l.day_length, kLongestDay);
    l.ask_after_drop = file.read_integer(kLawSection, "pytaj_po_upuszczeniu", 0) != 0;
    return l;
}

void write_law_limits(IniFile& file, const LawLimits& l) {
    if (!file.has_section(kLawSection) && l == LawLimits{}) return;
    for (const LimitKey& k : kKeys) {
        if (k.minutes) file.write_string(kLawSection, k.key, min2h(l.*k.minutes, "txt", false));
        file.write_string(kLawSection, switch_key(k.key), l.*k.on ? "1" : "0");
    }
    file.write_string(kLawSection, "pytaj_po_upuszczeniu", l.ask_after_drop ? "1" : "0");
}

}  // namespace tabrel
