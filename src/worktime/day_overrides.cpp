#include "worktime/day_overrides.h"

#include <string>

#include "storage/ini_file.h"

namespace tabrel {

namespace {

std::string note_from_file(const std::string& stored) {
    std::string note;
    for (char c : stored) {
        if (c == '\xA4')
            note += "\r\n";
        else
            note += c;
    }
    return note;
}

}  // namespace

void read_day_overrides(const IniFile& month_file, std::vector<CalendarDay>& days) {
    for (size_t k = 0; k < days.size(); ++k) {
        const std::string key = std::to_string(k);
        CalendarDay& day = days[k];
        day.kalendarz_wlasny = month_file.read_integer("kalendarz_wlasny", key, 0) != 0;
        day.kalendarz_ostre_dyzury = month_file.read_integer("kalendarz_ostre_dyzury", key, 0) != 0;
        day.kalendarz_notatki =
            note_from_file(month_file.read_string("kalendarz_notatki", key, ""));
    }
}

}  // namespace tabrel
