#pragma once

#include <string>

#include "base/locale.h"

namespace tabrel {

// The version the about box and tabrel-cli --version show, e.g. "3.50".
std::string program_version();

// The day this copy of the program was built.
Date build_date();

}  // namespace tabrel
