#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/status.h"
#include "storage/ini_file.h"

namespace tabrel {

// The windows whose sections hold texts looked up by key at the moment of use.
inline constexpr const char* kLanguageWindows[] = {"f_MainForm",      "f_Options",   "f_GroupAdd",
                                                   "f_WorkerAdd",     "f_DutyAdd",   "f_DayOffAdd",
                                                   "f_DayProperties", "f_Templates", "f_Login"};

// A language file (cp1250 INI text): captions by window section and component name, hints in
// section "h", messages in section "messages", suggestion lists in "MostUsedValues".
class LanguageFile {
public:
    explicit LanguageFile(IniFile file) : file_(std::move(file)) {}

    // Nothing when the file cannot be read.
    static std::optional<LanguageFile> load(const std::filesystem::path& path);

    std::optional<std::string> text(std::string_view section, std::string_view key) const;
    std::optional<std::string> hint(std::string_view component) const;

    // Makes its texts the ones tr() finds: the window sections, then "MostUsedValues", then
    // "messages", a later section winning over an earlier one for the same key.
    void install() const;

private:
    IniFile file_;
};

// The language list of the configuration dialog: 0 "english", 1 "polski"; any other index
// chooses by the system's language.
std::string language_name(int index, bool system_is_polish);

// The shipped files' folder + "lang/" + name + ".lng".
std::filesystem::path language_file_path(const std::filesystem::path& resource_folder,
                                         std::string_view name);

// The language switch without widgets: loads the file of the chosen language and installs its
// texts. A missing file fails with msg_LangFileMissing and the full path (a notice, not an
// error: the program goes on in the texts it has), and every text stays as it was.
Result<LanguageFile> choose_language(const std::filesystem::path& resource_folder, int index,
                                     bool system_is_polish);

}  // namespace tabrel
