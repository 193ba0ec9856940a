#include "cli_messages.h"

#include <iostream>

namespace tabrel {

int fail(const std::string& message) {
    std::cerr << "tabrel-cli: " << message << '\n';
    return 1;
}

}  // namespace tabrel
