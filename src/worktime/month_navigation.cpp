#include "worktime/month_navigation.h"

#include "i18n/cp1250.h"

namespace tabrel {

std::string month_name(int month) {
    static constexpr const char* kNames[12] = {"Styczeń",  "Luty",        "Marzec",   "Kwiecień",
                                               "Maj",      "Czerwiec",    "Lipiec",   "Sierpień",
                                               "Wrzesień", "Październik", "Listopad", "Grudzień"};
    if (month < 1 || month > 12) return {};
    return cp(kNames[month - 1]);
}

}  // namespace tabrel
