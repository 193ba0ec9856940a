#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace tabrel {

// Error codes of the archive container, in the order of their message texts.
enum class ArchiveError {
    None = 0,
    FileRead = 1,      // "Błąd odczytu pliku"
    Overwrite = 2,     // "Overwriting file failed"
    ArchiveRead = 3,   // "Błąd odczytu archiwum"
    ArchiveWrite = 4,  // "Błąd zapisu do archiwum"
    InvalidType = 5,   // "Invalid archive type"
    Compression = 6,   // "Compression error"
    TempFile = 7,      // "Cannot create temporary file to save the file IDs"
};

// The message box text of an error code (cp1250).
std::string archive_error_text(ArchiveError e);

// Called after every block so a window can stay responsive and show progress.
using ArchiveProgress = std::function<void(uint64_t bytes_done, uint64_t bytes_total)>;

struct ArchiveResult {
    bool ok = false;
    ArchiveError error = ArchiveError::None;  // None with ok false: the archive did not exist
    int system_error = 0;  // why a file could not be written (errno), 0 for other failures
};

// Writes a container from file names or masks ("*.tbr", an entry ending in " /s" descends).
// The entries are file-system paths (UTF-8); members are stored under their absolute paths in
// lower case (cp1250). A file named twice is stored once, the archive itself never. The
// archive is written under a temporary name and replaces the old one only when complete.
ArchiveResult create_archive(const std::vector<std::string>& names_or_masks,
                             const std::filesystem::path& archive,
                             const ArchiveProgress& progress = {});

// Restores the data members into `target` under the file-name part of their stored names.
// `target` is created when missing. Each file replaces the old one only once it was read whole;
// members restored before an error stay restored. A name that would not be a plain file inside
// `target` (".", "..", empty) stops the extraction with FileRead.
ArchiveResult extract_archive(const std::filesystem::path& archive,
                              const std::filesystem::path& target,
                              const ArchiveProgress& progress = {});

struct ArchiveMember {
    std::string name;  // as stored
    uint32_t dos_date = 0;
    uint64_t size = 0;  // bytes after expansion
};

// The data members of a container, read without writing anything. Every block is expanded, so
// damaged data is found as an extraction would find it. On an error `out` holds the members
// read before it.
ArchiveResult list_archive(const std::filesystem::path& archive, std::vector<ArchiveMember>& out);

}  // namespace tabrel
