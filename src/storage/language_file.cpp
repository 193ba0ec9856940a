#include "storage/language_file.h"

#include "i18n/cp1250.h"
#include "i18n/format_text.h"
#include "i18n/text.h"
#include "storage/safe_file.h"

namespace tabrel {

namespace fs = std::filesystem;

std::optional<LanguageFile> LanguageFile::load(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return std::nullopt;
    const std::optional<std::string> text = read_file(path);
    if (!text) return std::nullopt;
    return LanguageFile(IniFile::parse(*text));
}

std::optional<std::string> LanguageFile::text(std::string_view section,
                                              std::string_view key) const {
    return file_.value(section, key);
}

std::optional<std::string> LanguageFile::hint(std::string_view component) const {
    return file_.value("h", component);
}

void LanguageFile::install() const {
    auto& texts = language_texts();
    texts.clear();
    std::vector<std::string_view> sections(std::begin(kLanguageWindows),
                                           std::end(kLanguageWindows));
    sections.push_back("MostUsedValues");
    sections.push_back("messages");
    for (std::string_view section : sections)
        for (const IniFile::Entry& entry : file_.entries(section)) texts[entry.name] = entry.value;
}

std::string language_name(int index, bool system_is_polish) {
    if (index == 0) return "english";
    if (index == 1) return "polski";
    return system_is_polish ? "polski" : "english";
}

fs::path language_file_path(const fs::path& resource_folder, std::string_view name) {
    return resource_folder / "lang" / (std::string(name) + ".lng");
}

Result<LanguageFile> choose_language(const fs::path& resource_folder, int index,
                                     bool system_is_polish) {
    const fs::path path =
        language_file_path(resource_folder, language_name(index, system_is_polish));
    std::optional<LanguageFile> file = LanguageFile::load(path);
    if (!file) {
        // The built-in text: the file that would translate it is the one missing.
        return Status::failure(
            format_text(cp("Brak pliku z wybraną wersją językową: %s%s"),
                        {"\n\r", utf8_to_cp1250(path.string()).value_or(path.string())}));
    }
    file->install();
    return std::move(*file);
}

}  // namespace tabrel
