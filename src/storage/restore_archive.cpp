#include "storage/restore_archive.h"

namespace tabrel {

namespace fs = std::filesystem;

fs::path backup_folder(const fs::path& data_folder) {
    return data_folder / "backup";
}

fs::path restore_folder(const fs::path& data_folder) {
    return backup_folder(data_folder) / "dane";
}

ArchiveResult restore_archive(const fs::path& archive, const fs::path& data_folder,
                              const ArchiveProgress& progress) {
    return extract_archive(archive, restore_folder(data_folder), progress);
}

}  // namespace tabrel
