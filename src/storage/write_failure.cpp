#include "storage/write_failure.h"

#include <cerrno>
#include <cstring>

#include "i18n/cp1250.h"
#include "i18n/text.h"

namespace tabrel {

namespace {

struct Explanation {
    std::string what;
    std::string advice;
};

Explanation explain(int err) {
    switch (err) {
        case ENOSPC:
        case EDQUOT:
            return {tr("msg_WriteNoSpace", "na dysku zabrakło miejsca"),
                    tr("msg_WriteNoSpaceHint", "Zwolnij miejsce na dysku i spróbuj ponownie.")};
        case EFBIG:
            return {tr("msg_WriteTooBig", "plik jest za duży dla tego dysku"),
                    tr("msg_WriteTooBigHint", "Poproś o pomoc informatyka.")};
        case EACCES:
        case EPERM:
            return {
                tr("msg_WriteDenied", "brak uprawnień do zapisu"),
                tr("msg_WriteDeniedHint", "Poproś informatyka o prawo zapisu w folderze danych.")};
        case EROFS:
            return {tr("msg_WriteReadOnly", "dysk jest tylko do odczytu"),
                    tr("msg_WriteReadOnlyHint",
                       "Sprawdź, czy dysk nie jest zabezpieczony przed zapisem.")};
        case EISDIR:
            return {tr("msg_WriteFolderInPlace", "w miejscu pliku jest folder o tej samej nazwie"),
                    tr("msg_WriteFolderInPlaceHint",
                       "Przenieś ten folder w inne miejsce i spróbuj ponownie.")};
        case ENOENT:
        case ENOTDIR:
            return {tr("msg_WriteNoFolder", "folder tego pliku nie istnieje"),
                    tr("msg_WriteNoFolderHint", "Sprawdź, czy folder danych jest na miejscu.")};
        default:
            return {utf8_to_cp1250(std::strerror(err)).value_or("?"),
                    tr("msg_WriteOtherHint",
                       "Spróbuj ponownie; gdy błąd się powtarza, poproś "
                       "o pomoc informatyka.")};
    }
}

}  // namespace

std::string write_failure_text(const std::filesystem::path& path, int err) {
    const Explanation e = explain(err == 0 ? EIO : err);
    const std::string name = utf8_to_cp1250(path.string()).value_or(path.filename().string());
    return tr("msg_CannotWriteFile", "Nie można zapisać pliku ") + name + ": " + e.what + ". " +
           e.advice;
}

}  // namespace tabrel
