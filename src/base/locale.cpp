#include "base/locale.h"

#include <cstdio>

namespace tabrel {

std::string Locale::short_date(int year, int month, int day) const {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d.%02d.%04d", day, month, year);
    return buf;
}

std::string file_name_date(const Locale& locale, int year, int month, int day) {
    std::string text = locale.short_date(year, month, day);
    for (char& c : text) {
        unsigned char u = static_cast<unsigned char>(c);
        if (u < 32 || c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' ||
            c == '<' || c == '>' || c == '|')
            c = '-';
    }
    return text;
}

}  // namespace tabrel
