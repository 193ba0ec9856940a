#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tabrel {

// "archive create ARCHIVE NAME_OR_MASK...": writes a container from files or masks ("*.tbr").
int archive_create(const std::filesystem::path& archive, const std::vector<std::string>& names);

// "archive extract ARCHIVE DIR": restores the data members into DIR.
int archive_extract(const std::filesystem::path& archive, const std::filesystem::path& target);

// "archive list ARCHIVE": one line per member, its name, a TAB and its size in bytes.
int archive_list(const std::filesystem::path& archive);

}  // namespace tabrel
