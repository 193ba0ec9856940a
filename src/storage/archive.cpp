#include "storage/archive.h"

#include "i18n/text.h"
#include "storage/member_name.h"

namespace tabrel {

std::string archive_error_text(ArchiveError e) {
    switch (e) {
        case ArchiveError::None:
            return {};
        case ArchiveError::FileRead:
            return tr("msg_ArchiveError1", "Błąd odczytu pliku");
        case ArchiveError::Overwrite:
            return tr("msg_ArchiveError2", "Overwriting file failed");
        case ArchiveError::ArchiveRead:
            return tr("msg_ArchiveError3", "Błąd odczytu archiwum");
        case ArchiveError::ArchiveWrite:
            return tr("msg_ArchiveError4", "Błąd zapisu do archiwum");
        case ArchiveError::InvalidType:
            return tr("msg_ArchiveError5", "Invalid archive type");
        case ArchiveError::Compression:
            return tr("msg_ArchiveError6", "Compression error");
        case ArchiveError::TempFile:
            return tr("msg_ArchiveError7", "Cannot create temporary file to save the file IDs");
        case ArchiveError::ArchiveItself:
            return tr("msg_ArchiveError8", "Archiwum nie może zawierać samego siebie");
    }
    return {};
}

std::string archive_failure_text(const ArchiveResult& result,
                                 const std::filesystem::path& archive) {
    return archive_error_text(result.error) + ": " +
           path_for_message(result.file.empty() ? archive : result.file);
}

std::string skipped_files_text(const ArchiveResult& result) {
    if (result.skipped.empty()) return {};
    std::string text =
        tr("msg_ArchiveSkipped", "Pominięto pliki, których nazw nie można zapisać w archiwum:");
    for (const auto& file : result.skipped) text += "\r\n" + path_for_message(file);
    return text;
}

}  // namespace tabrel
