#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/clock.h"

namespace tabrel {

// Error codes of the archive container, in the order of their message texts.
enum class ArchiveError {
    None = 0,
    FileRead = 1,       // "Błąd odczytu pliku"
    Overwrite = 2,      // "Overwriting file failed"
    ArchiveRead = 3,    // "Błąd odczytu archiwum"
    ArchiveWrite = 4,   // "Błąd zapisu do archiwum"
    InvalidType = 5,    // "Invalid archive type"
    Compression = 6,    // "Compression error"
    TempFile = 7,       // "Cannot create temporary file to save the file IDs"
    ArchiveItself = 8,  // a file named for the archive is the archive being written
};

// The message box text of an error code (cp1250).
std::string archive_error_text(ArchiveError e);

// Called after every block so a window can stay responsive and show progress.
using ArchiveProgress = std::function<void(uint64_t bytes_done, uint64_t bytes_total)>;

struct ArchiveResult {
    bool ok = false;
    ArchiveError error = ArchiveError::None;  // None with ok false: the archive did not exist
    int system_error = 0;        // why a file could not be written (errno), 0 for other failures
    std::filesystem::path file;  // the file the error came from; empty when it was the archive
    // Files left out because the container cannot store their names.
    std::vector<std::filesystem::path> skipped;
};

// "text: file" for a failed operation (cp1250): the file the error came from, else the archive.
std::string archive_failure_text(const ArchiveResult& result, const std::filesystem::path& archive);

// The notice that names the files an archive left out (cp1250); empty when none was.
std::string skipped_files_text(const ArchiveResult& result);

// Writes a container from file names or masks ("*.tbr", an entry ending in " /s" descends).
// The entries are file-system paths (UTF-8); members are stored under their absolute paths in
// lower case (cp1250). A file named twice is stored once, the archive itself never: a mask
// passes over it, a plain name of it is refused (ArchiveItself). A file whose name cannot be
// stored is left out and listed in `skipped`; the others are still stored. The archive is
// written under a temporary name and replaces the old one only when complete. The list of
// files is dated by the clock.
ArchiveResult create_archive(const std::vector<std::string>& names_or_masks,
                             const std::filesystem::path& archive, const Clock& clock,
                             const ArchiveProgress& progress = {});

// Restores the data members into `target` under the file-name part of their stored names.
// `target` is created when missing. Each file replaces the old one only once it was read whole;
// members restored before an error stay restored. A name that would not be a plain file inside
// `target` (".", "..", empty) stops the extraction with FileRead.
ArchiveResult extract_archive(const std::filesystem::path& archive,
                              const std::filesystem::path& target,
                              const ArchiveProgress& progress = {});

// The content of the first data member whose file-name part is `file_name` (ASCII letters in
// either case); nothing when there is none. Nothing is written.
ArchiveResult read_archive_member(const std::filesystem::path& archive, std::string_view file_name,
                                  std::optional<std::string>& content);

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
