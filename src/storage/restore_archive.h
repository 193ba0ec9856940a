#pragma once

#include <filesystem>

#include "storage/archive.h"

namespace tabrel {

// Where a restored archive's files go: "backup/dane/" under the data folder. The live data are
// never touched; the user copies what is needed from there.
std::filesystem::path restore_folder(const std::filesystem::path& data_folder);

// The folder where the file dialog for an archive starts: "backup/" under the data folder.
std::filesystem::path backup_folder(const std::filesystem::path& data_folder);

// Takes every member of `archive` out into the restore folder, created when missing.
ArchiveResult restore_archive(const std::filesystem::path& archive,
                              const std::filesystem::path& data_folder,
                              const ArchiveProgress& progress = {});

}  // namespace tabrel
