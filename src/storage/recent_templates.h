#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tabrel {

class IniFile;

constexpr int kRecentTemplates = 4;

// The remembered template paths of a list ("Templates"), newest first; empty where none.
std::array<std::string, kRecentTemplates> recent_templates(const IniFile& file,
                                                           std::string_view list);

// Puts a path at the top of the list in section "pliki_" + list, keys "plik1".."plik4",
// dropping its older place. A path holding "autosave" is not remembered, and an empty entry
// leaves its key as it was.
void record_recent_template(IniFile& file, std::string_view list, const std::string& path);

}  // namespace tabrel
