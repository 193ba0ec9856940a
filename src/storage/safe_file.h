#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tabrel {

// Replaces `path` with `data` atomically: a temporary file in the same folder, fsync, rename.
// A crash in the middle leaves the old file whole. False (and `error` set) on any failure.
bool write_file_atomic(const std::filesystem::path& path, std::string_view data,
                       std::string* error = nullptr);

// Renames `from` over `to` and makes the rename durable. False (and `error` set) on failure;
// then both files are as they were.
bool replace_file(const std::filesystem::path& from, const std::filesystem::path& to,
                  std::string* error = nullptr);

// The whole file as bytes, nothing when it cannot be read.
std::optional<std::string> read_file(const std::filesystem::path& path);

}  // namespace tabrel
