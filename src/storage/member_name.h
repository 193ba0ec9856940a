#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tabrel {

// The name an archive stores for a file: its absolute path in lower case, in cp1250, with "\"
// between the parts, as the Windows versions store and read it. Characters of the folder part
// that cp1250 lacks become "?" (only the file name is needed to restore a member); nothing when
// the file name itself cannot be stored: a character cp1250 lacks, or a "\", which a reader
// would take for a separator.
std::optional<std::string> stored_member_name(const std::filesystem::path& absolute_file);

// The file name a member is restored under: the part of its stored name after the last "\" or
// "/", as a file-system name. Nothing for names that would not stay a plain file inside the
// target folder ("", ".", "..", control characters).
std::optional<std::filesystem::path> member_file_name(std::string_view stored);

// A path for a message (cp1250): characters cp1250 lacks become "?".
std::string path_for_message(const std::filesystem::path& path);

}  // namespace tabrel
