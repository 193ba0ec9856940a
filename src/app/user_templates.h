#pragma once

#include <filesystem>
#include <optional>

#include "app/program_folders.h"

namespace tabrel {

struct Prompter;

// On the first start of a copy that works outside its own folder, gives the user editable
// copies of the shipped templates in the work folder's templates/. A templates folder that is
// there already is the user's and stays untouched. The copies are gathered aside and put in
// place at once, so an interrupted first start is simply done again; a template that cannot be
// copied is reported and the rest are kept.
void copy_shipped_templates(const ProgramFolders& folders, Prompter& prompter);

// A template named without a folder: the user's one in the work folder, else the shipped one.
std::optional<std::filesystem::path> find_named_template(const ProgramFolders& folders,
                                                         const std::filesystem::path& name);

}  // namespace tabrel
