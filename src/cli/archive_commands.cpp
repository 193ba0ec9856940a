#include "archive_commands.h"

#include <filesystem>
#include <iostream>

#include "cli_messages.h"
#include "i18n/cp1250.h"
#include "progress_line.h"
#include "storage/archive.h"

namespace fs = std::filesystem;

namespace tabrel {

namespace {

bool is_mask(const std::string& name) {
    return name.find_first_of("*?") != std::string::npos || name.ends_with(" /s");
}

int report(const ArchiveResult& result, const fs::path& archive) {
    for (const fs::path& file : result.skipped)
        std::cerr << "tabrel-cli: left out, its name cannot be stored in an archive: "
                  << file.string() << '\n';
    if (result.ok) return 0;
    if (result.error == ArchiveError::None) return fail("no such archive: " + archive.string());
    const fs::path& culprit = result.file.empty() ? archive : result.file;
    return fail(cp1250_to_utf8(archive_error_text(result.error)) + ": " + culprit.string());
}

}  // namespace

int archive_create(const fs::path& archive, const std::vector<std::string>& names) {
    // A mistyped file name would otherwise give an archive that silently lacks it.
    for (const std::string& name : names)
        if (!is_mask(name) && !fs::is_regular_file(name)) return fail("no such file: " + name);
    ProgressLine progress;
    return report(create_archive(names, archive, system_clock(), progress.callback()), archive);
}

int archive_extract(const fs::path& archive, const fs::path& target) {
    ProgressLine progress;
    return report(extract_archive(archive, target, progress.callback()), archive);
}

int archive_list(const fs::path& archive) {
    std::vector<ArchiveMember> members;
    const ArchiveResult result = list_archive(archive, members);
    if (!result.ok) return report(result, archive);
    for (const ArchiveMember& m : members)
        std::cout << cp1250_to_utf8(m.name) << '\t' << m.size << '\n';
    return 0;
}

}  // namespace tabrel
