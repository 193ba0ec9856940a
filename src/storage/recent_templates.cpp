#include "storage/recent_templates.h"

#include <vector>

#include "storage/ini_file.h"

namespace tabrel {

namespace {

std::string section_of(std::string_view list) {
    return "pliki_" + std::string(list);
}

std::string key_of(int i) {
    return "plik" + std::to_string(i + 1);
}

}  // namespace

std::array<std::string, kRecentTemplates> recent_templates(const IniFile& file,
                                                           std::string_view list) {
    std::array<std::string, kRecentTemplates> paths;
    for (int i = 0; i < kRecentTemplates; ++i)
        paths[i] = file.read_string(section_of(list), key_of(i), "");
    return paths;
}

void record_recent_template(IniFile& file, std::string_view list, const std::string& path) {
    if (path.find("autosave") != std::string::npos) return;
    std::vector<std::string> entries{path};
    for (const std::string& old : recent_templates(file, list)) {
        if (old != path) entries.push_back(old);
    }
    entries.resize(kRecentTemplates);
    for (int i = 0; i < kRecentTemplates; ++i) {
        if (!entries[i].empty()) file.write_string(section_of(list), key_of(i), entries[i]);
    }
}

}  // namespace tabrel
