#pragma once

#include <string>
#include <vector>

namespace tabrel {

// "archive create|extract|list ..."; the arguments after the word "archive". Exit status.
int run_archive_command(const std::vector<std::string>& args);

}  // namespace tabrel
