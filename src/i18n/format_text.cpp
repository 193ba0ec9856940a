#include "i18n/format_text.h"

namespace tabrel {

std::string format_text(std::string_view pattern, const std::vector<std::string>& args) {
    std::string out;
    size_t next = 0;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        const char conversion = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (c != '%' || (conversion != 's' && conversion != 'd' && conversion != '%')) {
            out += c;
            continue;
        }
        ++i;
        if (conversion == '%')
            out += '%';
        else if (next < args.size())
            out += args[next++];
    }
    return out;
}

}  // namespace tabrel
