#include "export/ical_text.h"

#include "i18n/cp1250.h"

namespace tabrel {

namespace {

constexpr size_t kLineOctets = 75;

bool continues_character(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

std::string ical_text_value(std::string_view cp1250) {
    const std::string utf8 = cp1250_to_utf8(cp1250);
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') ++i;
            out += "\\n";
        } else if (c == '\\' || c == ';' || c == ',') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            out += ' ';
        } else {
            out += c;
        }
    }
    return out;
}

std::string ical_content_line(std::string_view line) {
    std::string out;
    size_t room = kLineOctets;
    while (line.size() > room) {
        size_t cut = room;
        while (cut > 0 && continues_character(line[cut])) --cut;
        out.append(line.substr(0, cut));
        out += "\r\n ";
        line.remove_prefix(cut);
        room = kLineOctets - 1;  // the leading blank counts
    }
    out.append(line);
    out += "\r\n";
    return out;
}

}  // namespace tabrel
