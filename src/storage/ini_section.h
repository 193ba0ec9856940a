#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "storage/ini_file.h"

namespace tabrel {

// One section's entries by key, for readers that look up many keys: each lookup is a hash
// lookup instead of a pass over the whole file. Keys are compared without regard to ASCII
// letter case; the first of equal keys counts, as in a profile lookup.
class IniSection {
public:
    IniSection(const IniFile& file, std::string_view name);
    IniSection(const IniSection&) = delete;
    IniSection& operator=(const IniSection&) = delete;

    const IniFile::Entry* find(std::string_view key) const;
    // Profile integer semantics, as IniFile::read_integer.
    int integer(std::string_view key, int fallback) const;
    std::string text(std::string_view key, std::string_view fallback) const;

private:
    std::vector<IniFile::Entry> entries_;
    std::unordered_map<std::string, const IniFile::Entry*> by_key_;
};

}  // namespace tabrel
