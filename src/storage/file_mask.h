#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tabrel {

// True when `name` matches `mask`: "*" stands for any run of characters, "?" for one, and
// ASCII letters match in either case, as file masks always have for our users ("*.INI" finds
// "kadra.ini"). "*.*" matches names without a dot too.
bool mask_matches(std::string_view mask, std::string_view name);

// The regular files one archive list entry names, as absolute paths. The entry is a file-system
// path (UTF-8) whose last part may be a mask; hidden files are included. A path without "*",
// "?" and " /s" names exactly that file. An entry ending in " /s" searches the mask's folder and
// every folder below it (symbolic links to folders are not followed, unreadable folders are passed
// over). Within a folder the files come in name order, before its subfolders.
std::vector<std::filesystem::path> expand_file_mask(const std::string& entry);

}  // namespace tabrel
