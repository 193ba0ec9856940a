#include "storage/archive.h"
#include "storage/archive_reader.h"

namespace tabrel {

namespace {

// Expands every block, so a listing also proves the archive can be restored.
class ListingVisitor : public MemberVisitor {
public:
    explicit ListingVisitor(std::vector<ArchiveMember>& out) : out_(out) {}

    ArchiveError begin_member(const std::string& stored_name, uint32_t dos_date) override {
        out_.push_back({stored_name, dos_date, 0});
        return ArchiveError::None;
    }

    ArchiveError append(std::string_view bytes) override {
        out_.back().size += bytes.size();
        return ArchiveError::None;
    }

    ArchiveError end_member() override { return ArchiveError::None; }

private:
    std::vector<ArchiveMember>& out_;
};

}  // namespace

ArchiveResult list_archive(const std::filesystem::path& archive, std::vector<ArchiveMember>& out) {
    out.clear();
    ListingVisitor visitor(out);
    return read_archive(archive, visitor, {});
}

}  // namespace tabrel
