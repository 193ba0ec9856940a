#include <algorithm>
#include <cctype>

#include "storage/archive.h"
#include "storage/archive_reader.h"
#include "storage/member_name.h"

namespace tabrel {

namespace {

bool same_ascii_name(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// Keeps the bytes of the first member with the wanted file name and passes over the rest.
class MemberCollector : public MemberVisitor {
public:
    MemberCollector(std::string_view file_name, std::optional<std::string>& content)
        : file_name_(file_name), content_(content) {}

    ArchiveError begin_member(const std::string& stored_name, uint32_t) override {
        const std::optional<std::filesystem::path> name = member_file_name(stored_name);
        collecting_ = !content_ && name && same_ascii_name(name->string(), file_name_);
        if (collecting_) content_.emplace();
        return ArchiveError::None;
    }

    ArchiveError append(std::string_view bytes) override {
        if (collecting_) content_->append(bytes);
        return ArchiveError::None;
    }

    ArchiveError end_member() override {
        collecting_ = false;
        return ArchiveError::None;
    }

private:
    std::string_view file_name_;
    std::optional<std::string>& content_;
    bool collecting_ = false;
};

}  // namespace

ArchiveResult read_archive_member(const std::filesystem::path& archive, std::string_view file_name,
                                  std::optional<std::string>& content) {
    content.reset();
    MemberCollector collector(file_name, content);
    ArchiveResult result = read_archive(archive, collector, {});
    if (!result.ok) content.reset();
    return result;
}

}  // namespace tabrel
