#include "printouts/tag_weekday_names.h"

#include "i18n/cp1250.h"

namespace tabrel {

namespace {

constexpr const char* kLong[7] = {"niedziela", "poniedziałek", "wtorek", "środa",
                                  "czwartek",  "piątek",       "sobota"};
constexpr const char* kShort[7] = {"niedz.", "pon.", "wt.", "śr.", "czw.", "pt.", "sob."};

std::string pick(const char* const (&names)[7], int weekday) {
    if (weekday < 1 || weekday > 7) return {};
    return cp(names[weekday - 1]);
}

}  // namespace

std::string weekday_name(int weekday) {
    return pick(kLong, weekday);
}

std::string weekday_name_short(int weekday) {
    return pick(kShort, weekday);
}

}  // namespace tabrel
