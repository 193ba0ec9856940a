#pragma once

#include <filesystem>

#include "base/prompter.h"

namespace tabrel {

// "Samouczek on-line": the user guide shipped with the program (guide/index.html among the
// program's resources) in the desktop's web browser; a missing guide is told.
void open_user_guide(const std::filesystem::path& resource_folder, Prompter& prompter);

}  // namespace tabrel
