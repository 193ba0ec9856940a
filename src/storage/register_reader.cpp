#include "storage/register_reader.h"

#include <optional>

#include "i18n/text.h"
#include "storage/archive.h"
#include "storage/archive_reader.h"
#include "storage/conversion_error.h"
#include "storage/group_file.h"
#include "storage/legacy_file.h"
#include "storage/safe_file.h"
#include "storage/staff_file.h"

namespace tabrel {

namespace fs = std::filesystem;

namespace {

constexpr const char* kStaffArchiveName = "kadra.inr";

// Keeps the staff file's bytes and skips every other member of the archive.
class StaffMemberVisitor : public MemberVisitor {
public:
    ArchiveError begin_member(const std::string& stored_name, uint32_t) override {
        const size_t slash = stored_name.find_last_of("\\/");
        wanted_ = stored_name.substr(slash == std::string::npos ? 0 : slash + 1) == kStaffFileName;
        if (wanted_) text = std::string();
        return ArchiveError::None;
    }
    ArchiveError append(std::string_view bytes) override {
        if (wanted_) text->append(bytes);
        return ArchiveError::None;
    }
    ArchiveError end_member() override { return ArchiveError::None; }

    std::optional<std::string> text;

private:
    bool wanted_ = false;
};

std::string unreadable(const std::string& name) {
    return tr("msg_CannotReadFile", "Nie można odczytać pliku ") + name;
}

// The staff file's text, or nothing with `error` set.
std::optional<std::string> staff_text(const fs::path& folder, std::string& error) {
    std::error_code ec;
    const fs::path archive = folder / kStaffArchiveName;
    if (!fs::exists(archive, ec)) {
        if (!fs::exists(folder / kStaffFileName, ec)) return std::string();
        auto text = read_file(folder / kStaffFileName);
        if (!text) error = unreadable(kStaffFileName);
        return text;
    }
    StaffMemberVisitor visitor;
    const ArchiveResult read = read_archive(archive, visitor, {});
    if (!read.ok) {
        error = archive_error_text(read.error == ArchiveError::None ? ArchiveError::ArchiveRead
                                                                    : read.error) +
                ": " + kStaffArchiveName;
        return std::nullopt;
    }
    return visitor.text.value_or(std::string());
}

}  // namespace

std::string read_register(const fs::path& data_folder, Roster& roster) {
    roster.groups.clear();
    roster.workers.clear();
    std::error_code ec;
    if (fs::exists(data_folder / kLegacyFileName, ec))
        return tr("msg_LegacyNotConverted",
                  "Dane są jeszcze w pliku tabrel.ini; uruchom raz program, by je przenieść.");
    if (fs::exists(data_folder / kGroupsFileName, ec)) {
        const auto groups = read_file(data_folder / kGroupsFileName);
        if (!groups) return unreadable(kGroupsFileName);
        try {
            read_groups(*groups, roster);
        } catch (const ConversionError& e) {
            return e.message();
        }
    }
    std::string error;
    const auto staff = staff_text(data_folder, error);
    if (!staff) return error;
    try {
        read_staff(*staff, roster);
    } catch (const ConversionError& e) {
        return e.message();
    }
    roster.rebuild_worker_ids();
    return {};
}

}  // namespace tabrel
