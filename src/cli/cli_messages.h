#pragma once

#include <string>

namespace tabrel {

// The summary of commands printed by --help and after a usage mistake.
std::string usage_text();

// Reports a failure on stderr; gives the exit status 1.
int fail(const std::string& message);

// Reports a usage mistake with the summary of commands on stderr; gives the exit status 1.
int usage_error(const std::string& message);

}  // namespace tabrel
