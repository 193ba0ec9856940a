#include "model/day_off_type.h"

#include "i18n/cp1250.h"

namespace tabrel {

namespace {

struct Row {
    char letter;
    const char* name_utf8;
    const char* symbol;
    bool lowers_norm;
    bool norm_editable;
};

constexpr Row kRows[kDayOffTypeCount] = {
    {kNoDutyLetter, "Bez dyżuru", " ", false, false},
    {'u', "Wypoczynkowy", "U", true, true},
    {'m', "Macierzyński", "A", true, true},
    {'w', "Wychowawczy", "A", true, true},
    {'s', "Szkoleniowy", "A", true, true},
    {'z', "Zwolnienie lekarskie", "A", true, true},
    {'o', "Opieka nad dzieckiem", "A", true, true},
    {'n', "Wagary", "Z", false, false},
    {'i', "Inny", "A", true, true},
    {'1', "Za pracę w niedzielę/święto", " ", false, false},
    {'7', "Za pracę w sobotę", " ", false, false},
    {'b', "Bezpłatny", "B", true, true},
    {'r', "Opieka nad członkiem rodziny", "A", true, true},
    {'d', "Zwolnienie na dziecko", "A", true, true},
    {'h', "Rehabilitacyjny", "H", true, true},
    {'a', "Na żądanie", "Q", true, true},
    {'9', "Za pracę w święto", "9", false, false},
    {'k', "Okolicznościowy", "O", true, true},
    {'j', "Ojcowski", "A", true, true},
    {'t', "Tacierzyński", "A", true, true},
    {'c', "Rodzicielski", "A", true, true},
    {'5', "Wynikający z 5-dniowego tygodnia pracy", " ", false, false},
};

}  // namespace

const std::array<DayOffType, kDayOffTypeCount>& day_off_types() {
    static const std::array<DayOffType, kDayOffTypeCount> types = [] {
        std::array<DayOffType, kDayOffTypeCount> t;
        for (int i = 0; i < kDayOffTypeCount; ++i) {
            const Row& r = kRows[i];
            t[i] = {r.letter, cp(r.name_utf8), r.symbol, r.lowers_norm, r.norm_editable};
        }
        return t;
    }();
    return types;
}

NormFlags built_in_norm_flags() {
    NormFlags flags{};
    for (int i = 0; i < kDayOffTypeCount; ++i) flags[i] = kRows[i].lowers_norm;
    return flags;
}

std::optional<int> day_off_index(char letter) {
    for (int i = 0; i < kDayOffTypeCount; ++i) {
        if (kRows[i].letter == letter) return i;
    }
    return std::nullopt;
}

}  // namespace tabrel
