#include "cli_messages.h"

#include <iostream>

namespace tabrel {

std::string usage_text() {
    return "usage:\n"
           "  tabrel-cli archive create ARCHIVE NAME_OR_MASK...\n"
           "  tabrel-cli archive extract ARCHIVE DIR\n"
           "  tabrel-cli archive list ARCHIVE\n"
           "  tabrel-cli --data DIR resave\n"
           "  tabrel-cli --data DIR dump\n"
           "  tabrel-cli --data DIR calendar YYYY-MM [--group ID]\n"
           "  tabrel-cli --data DIR month YYYY-MM [--group ID] [--all-groups]\n"
           "  tabrel-cli --data DIR month-resave YYYY-MM\n"
           "  tabrel-cli --data DIR print TEMPLATE.wzr YYYY-MM [--group ID] [--worker ID] "
           "[--day N] [--out DIR]\n"
           "  tabrel-cli --data DIR plan YYYY-MM --group ID (--accept | --decline) "
           "[--all-groups]
"
           "  tabrel-cli --data DIR ical YYYY-MM (--worker ID | --group ID) [--months N] "
           "[--out FILE]
";
}

int fail(const std::string& message) {
    std::cerr << "tabrel-cli: " << message << '\n';
    return 1;
}

int usage_error(const std::string& message) {
    std::cerr << "tabrel-cli: " << message << '\n' << usage_text();
    return 1;
}

}  // namespace tabrel
