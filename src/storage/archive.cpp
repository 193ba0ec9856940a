#include "storage/archive.h"

#include "i18n/text.h"

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
    }
    return {};
}

}  // namespace tabrel
