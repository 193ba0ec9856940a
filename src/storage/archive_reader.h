#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "storage/archive.h"

namespace tabrel {

// Receives the data members of a container in order; the file-list member is never passed.
// Returning anything but ArchiveError::None stops the walk with that error.
struct MemberVisitor {
    virtual ArchiveError begin_member(const std::string& stored_name, uint32_t dos_date) = 0;
    virtual ArchiveError append(std::string_view bytes) = 0;
    virtual ArchiveError end_member() = 0;
    virtual ~MemberVisitor() = default;
};

// Walks a container, checking every length against what is left of the file before reading
// it. A missing file gives ok false with no error.
ArchiveResult read_archive(const std::filesystem::path& archive, MemberVisitor& visitor,
                           const ArchiveProgress& progress);

}  // namespace tabrel
