#include <memory>

#include "storage/archive.h"
#include "storage/archive_reader.h"
#include "storage/atomic_file.h"
#include "storage/member_name.h"

namespace tabrel {

namespace fs = std::filesystem;

namespace {

// Writes each member into the target folder under a temporary name and puts it in place only
// when the member was read whole, so a damaged archive never replaces a good file.
class ExtractingVisitor : public MemberVisitor {
public:
    explicit ExtractingVisitor(fs::path target) : target_(std::move(target)) {}

    ArchiveError begin_member(const std::string& stored_name, uint32_t) override {
        const auto name = member_file_name(stored_name);
        if (!name) return ArchiveError::FileRead;
        current_ = target_ / *name;
        std::error_code ec;
        fs::create_directories(target_, ec);
        if (ec) return ArchiveError::Overwrite;
        file_ = std::make_unique<AtomicFile>(current_);
        return checked(file_->is_open());
    }

    ArchiveError append(std::string_view bytes) override { return checked(file_->write(bytes)); }

    ArchiveError end_member() override {
        const ArchiveError e = checked(file_->commit());
        file_.reset();
        return e;
    }

    int system_error() const { return system_error_; }
    const fs::path& current() const { return current_; }

private:
    ArchiveError checked(bool written) {
        if (written) return ArchiveError::None;
        system_error_ = file_->error();
        return ArchiveError::Overwrite;
    }

    fs::path target_;
    fs::path current_;  // the file being restored
    std::unique_ptr<AtomicFile> file_;
    int system_error_ = 0;
};

}  // namespace

ArchiveResult extract_archive(const fs::path& archive, const fs::path& target,
                              const ArchiveProgress& progress) {
    ExtractingVisitor visitor(target);
    ArchiveResult result = read_archive(archive, visitor, progress);
    if (result.error == ArchiveError::Overwrite) {
        result.system_error = visitor.system_error();
        result.file = visitor.current();
    }
    return result;
}

}  // namespace tabrel
