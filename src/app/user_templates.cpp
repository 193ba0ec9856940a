#include "app/user_templates.h"

#include <string>
#include <vector>

#include "base/prompter.h"
#include "i18n/cp1250.h"
#include "i18n/format_text.h"
#include "i18n/text.h"

namespace fs = std::filesystem;

namespace tabrel {

namespace {

constexpr const char* kTemplates = "templates";

std::string path_text(const fs::path& path) {
    return utf8_to_cp1250(path.string()).value_or(path.filename().string());
}

// Copies every shipped file into `staging`; the names of those that failed.
std::vector<std::string> copy_into(const fs::path& shipped, const fs::path& staging) {
    std::vector<std::string> failed;
    std::error_code ec;
    for (fs::directory_iterator it(shipped, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code copy_ec;
        if (!it->is_regular_file(copy_ec)) continue;
        fs::copy_file(it->path(), staging / it->path().filename(), copy_ec);
        if (copy_ec) failed.push_back(path_text(it->path().filename()));
    }
    if (ec) failed.push_back(path_text(shipped));
    return failed;
}

}  // namespace

void copy_shipped_templates(const ProgramFolders& folders, Prompter& prompter) {
    const fs::path target = folders.work / kTemplates;
    const fs::path shipped = folders.resources / kTemplates;
    std::error_code ec;
    if (folders.work == folders.resources || fs::exists(target, ec) ||
        !fs::is_directory(shipped, ec))
        return;
    // A leftover of an interrupted first start is only a partial copy.
    const fs::path staging = folders.work / ".templates.new";
    fs::remove_all(staging, ec);
    std::vector<std::string> failed;
    fs::create_directories(staging, ec);
    if (!ec) failed = copy_into(shipped, staging);
    if (!ec) fs::rename(staging, target, ec);
    if (ec) {
        fs::remove_all(staging, ec);
        prompter.error(format_text(tr("msg_TemplatesFolderFailed",
                                      "Nie udało się skopiować wzorców dokumentów do folderu %s."),
                                   {path_text(target)}));
        return;
    }
    if (failed.empty()) return;
    std::string names;
    for (const std::string& name : failed) names += "\n" + name;
    prompter.error(
        format_text(tr("msg_TemplatesCopyFailed",
                       "Nie udało się skopiować do folderu %s tych wzorców dokumentów:%s"),
                    {path_text(target), names}));
}

std::optional<fs::path> find_named_template(const ProgramFolders& folders, const fs::path& name) {
    for (const fs::path& folder : {folders.work, folders.resources}) {
        const fs::path path = folder / kTemplates / name;
        std::error_code ec;
        if (fs::is_regular_file(path, ec)) return path;
    }
    return std::nullopt;
}

}  // namespace tabrel
