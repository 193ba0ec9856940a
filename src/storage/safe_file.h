#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "base/status.h"

namespace tabrel {

// Replaces `path` with `data` atomically: a temporary file in the same folder, fsync, rename.
// A crash in the middle leaves the old file whole. A failure names the file and the reason.
Status write_file_atomic(const std::filesystem::path& path, std::string_view data);

// Renames `from` over `to` and makes the rename durable. After a failure both files are as
// they were.
Status replace_file(const std::filesystem::path& from, const std::filesystem::path& to);

// The whole file as bytes, nothing when it cannot be read.
std::optional<std::string> read_file(const std::filesystem::path& path);

}  // namespace tabrel
