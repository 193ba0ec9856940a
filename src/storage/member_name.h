#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tabrel {

// The name an archive stores for a file: its absolute path in lower case, in cp1250.
// Characters of the folder part that cp1250 lacks become "?" (only the file name is needed to
// restore a member); nothing when the file name itself cannot be written in cp1250.
std::optional<std::string> stored_member_name(const std::filesystem::path& absolute_file);

// The file name a member is restored under: the part of its stored name after the last "\" or
// "/", as a file-system name. Nothing for names that would not stay a plain file inside the
// target folder ("", ".", "..", control characters).
std::optional<std::filesystem::path> member_file_name(std::string_view stored);

}  // namespace tabrel
