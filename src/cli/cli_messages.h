#pragma once

#include <string>

namespace tabrel {

// Reports a failure on stderr; gives the exit status 1.
int fail(const std::string& message);

}  // namespace tabrel
