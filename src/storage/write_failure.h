#pragma once

#include <filesystem>
#include <string>

namespace tabrel {

// The message for a file that could not be written (cp1250): the file, what went wrong in
// everyday words and what the user can do about it. `err` is the system error number.
std::string write_failure_text(const std::filesystem::path& path, int err);

}  // namespace tabrel
