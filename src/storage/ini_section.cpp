#include "storage/ini_section.h"

#include <cctype>

namespace tabrel {

namespace {

std::string folded(std::string_view name) {
    std::string key(name);
    for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

}  // namespace

IniSection::IniSection(const IniFile& file, std::string_view name) : entries_(file.entries(name)) {
    for (const IniFile::Entry& e : entries_) by_key_.try_emplace(folded(e.name), &e);
}

const IniFile::Entry* IniSection::find(std::string_view key) const {
    const auto it = by_key_.find(folded(key));
    return it == by_key_.end() ? nullptr : it->second;
}

int IniSection::integer(std::string_view key, int fallback) const {
    const IniFile::Entry* e = find(key);
    return e ? IniFile::integer_value(e->value, fallback) : fallback;
}

std::string IniSection::text(std::string_view key, std::string_view fallback) const {
    const IniFile::Entry* e = find(key);
    return e ? e->value : std::string(fallback);
}

}  // namespace tabrel
