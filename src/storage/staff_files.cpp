#include "storage/staff_files.h"

#include <filesystem>
#include <optional>

#include "base/locale.h"
#include "i18n/cp1250.h"
#include "i18n/text.h"
#include "storage/archive.h"
#include "storage/companion_copies.h"
#include "storage/conversion_error.h"
#include "storage/group_file.h"
#include "storage/legacy_file.h"
#include "storage/safe_file.h"
#include "storage/staff_file.h"
#include "storage/write_failure.h"

namespace tabrel {

namespace fs = std::filesystem;

namespace {

constexpr const char* kStaffArchiveName = "kadra.inr";
constexpr CompanionRule kStaffCompanions{4, 10};

fs::path with_suffix(fs::path path, const std::string& suffix) {
    path += suffix;
    return path;
}

bool present(const fs::path& path) {
    std::error_code ec;
    return fs::exists(path, ec);
}

void remove_quietly(const fs::path& path) {
    std::error_code ec;
    fs::remove(path, ec);
}

std::string unreadable(const std::string& name) {
    return tr("msg_CannotReadFile", "Nie można odczytać pliku ") + name;
}

// The system's reason when a file of the archive could not be written, on a line of its own.
std::string why_not_written(const fs::path& file, int system_error) {
    return system_error == 0 ? std::string() : "\r\n" + write_failure_text(file, system_error);
}

// Records a file whose load stopped, for the user.
void fail(StaffLoadResult& result, bool& failed, const std::string& message) {
    failed = true;
    if (!result.message.empty()) result.message += "\r\n";
    result.message += message;
    result.notices.error(message);
}

void load_legacy(Roster& roster, LoadPurpose purpose, StaffLoadResult& result) {
    try {
        const Status read = wczytaj_stary_tabrel_ini(roster, result.notices, purpose);
        if (read) return;
        fail(result, result.groups_failed, read.message());
    } catch (const ConversionError& e) {
        fail(result, result.groups_failed, e.message());
    }
    result.staff_failed = true;
}

void load_groups(Roster& roster, LoadPurpose purpose, StaffLoadResult& result) {
    const fs::path path = roster.data_folder / kGroupsFileName;
    if (!present(path)) return;
    if (purpose == LoadPurpose::Editing)
        result.notices.add(keep_companions(path, kStaffCompanions));
    auto text = read_file(path);
    if (!text) return fail(result, result.groups_failed, unreadable(kGroupsFileName));
    try {
        read_groups(*text, roster);
    } catch (const ConversionError& e) {
        fail(result, result.groups_failed, e.message());
    }
}

// kadra.ini as kadra.inr holds it, taken into memory: the other members of the container are
// not ours to restore, so nothing else is read from it and nothing is written.
std::optional<std::string> staff_from_archive(const fs::path& folder, LoadPurpose purpose,
                                              StaffLoadResult& result) {
    const fs::path archive = folder / kStaffArchiveName;
    if (purpose == LoadPurpose::Editing)
        result.notices.add(keep_companions(archive, kStaffCompanions));
    std::optional<std::string> text;
    ArchiveResult unpacked = read_archive_member(archive, kStaffFileName, text);
    if (!unpacked.ok) {
        if (unpacked.error == ArchiveError::None) unpacked.error = ArchiveError::ArchiveRead;
        fail(result, result.staff_failed, archive_failure_text(unpacked, kStaffArchiveName));
        return std::nullopt;
    }
    if (!text) {
        fail(result, result.staff_failed,
             tr("msg_StaffMemberMissing", "Archiwum ") + kStaffArchiveName +
                 tr("msg_StaffMemberMissing2", " nie zawiera pliku ") + kStaffFileName);
        return std::nullopt;
    }
    if (purpose == LoadPurpose::Editing) {
        remove_quietly(folder / "kadra.ini.bak");
        remove_quietly(folder / "kadra.ini.err");
    }
    return text;
}

// The staff come from kadra.inr, or from a plain kadra.ini when there is no archive. A plain
// kadra.ini stays until a save has put the same staff into kadra.inr.
void load_staff(Roster& roster, LoadPurpose purpose, StaffLoadResult& result) {
    const fs::path& folder = roster.data_folder;
    std::optional<std::string> text;
    if (present(folder / kStaffArchiveName)) {
        text = staff_from_archive(folder, purpose, result);
        if (!text) return;
    } else if (present(folder / kStaffFileName)) {
        text = read_file(folder / kStaffFileName);
        if (!text) return fail(result, result.staff_failed, unreadable(kStaffFileName));
    } else {
        return;
    }
    try {
        read_staff(*text, roster);
    } catch (const ConversionError& e) {
        fail(result, result.staff_failed, e.message());
    }
}

Status write_groups(const Roster& roster) {
    return write_file_atomic(roster.data_folder / kGroupsFileName, groups_file_text(roster.groups));
}

// kadra.ini packed into kadra.inr; when the archive cannot be written the staff stay beside the
// old archive as kadra.ini.error_ + today's date.
Notices write_staff(const Roster& roster, const Locale& locale, const Clock& clock) {
    const fs::path plain = roster.data_folder / kStaffFileName;
    Notices notices;
    notices.add(
        write_file_atomic(plain, staff_file_text(roster.workers, locale.decimal_separator())));
    if (!notices) return notices;
    ArchiveResult packed =
        create_archive({plain.string()}, roster.data_folder / kStaffArchiveName, clock);
    if (packed.ok) {
        remove_quietly(plain);
        return notices;
    }
    notices.error(archive_error_text(packed.error == ArchiveError::None ? ArchiveError::ArchiveWrite
                                                                        : packed.error) +
                  ": " + kStaffArchiveName +
                  why_not_written(roster.data_folder / kStaffArchiveName, packed.system_error));
    const Date d = clock.today();
    const std::string kept_name =
        std::string(kStaffFileName) + ".error_" + file_name_date(locale, d.year, d.month, d.day);
    std::error_code ec;
    fs::rename(plain, roster.data_folder / cp1250_to_utf8(kept_name), ec);
    notices.inform(tr("msg_StaffKeptAs", "Dane kadry zapisano w pliku ") +
                   (ec ? std::string(kStaffFileName) : kept_name));
    return notices;
}

// The legacy file is kept as tabrel.ini.err and removed, once the new files hold its data.
Status retire_legacy_file(const fs::path& folder) {
    const fs::path legacy = folder / kLegacyFileName;
    if (!present(legacy)) return {};
    const fs::path copy = with_suffix(legacy, ".err");
    if (!present(copy)) {
        auto text = read_file(legacy);
        if (!text) return Status::failure(unreadable(kLegacyFileName));
        if (Status kept = write_file_atomic(copy, *text); !kept) return kept;
    }
    std::error_code ec;
    fs::permissions(legacy, fs::perms::owner_write, fs::perm_options::add, ec);
    if (fs::remove(legacy, ec)) return {};
    return Status::failure(tr("msg_CannotDeleteFile", "Nie można usunąć pliku ") + kLegacyFileName);
}

}  // namespace

StaffLoadResult wczytaj(Roster& roster, LoadPurpose purpose) {
    roster.groups.clear();
    roster.workers.clear();
    StaffLoadResult result;
    if (present(roster.data_folder / kLegacyFileName)) {
        result.legacy = true;
        load_legacy(roster, purpose, result);
        return result;
    }
    load_groups(roster, purpose, result);
    load_staff(roster, purpose, result);
    return result;
}

Notices zapisz(const Roster& roster, const Locale& locale, const Clock& clock,
               const StaffSaveOptions& options) {
    const fs::path& folder = roster.data_folder;
    Notices notices;
    if (!roster.groups.empty() && !options.keep_groups_file) notices.add(write_groups(roster));
    if (!roster.workers.empty() && !options.keep_staff_file)
        notices.add(write_staff(roster, locale, clock));
    remove_quietly(with_suffix(folder / kLegacyFileName, ".~ak"));
    if (notices && !options.keep_groups_file && !options.keep_staff_file)
        notices.add(retire_legacy_file(folder));
    return notices;
}

}  // namespace tabrel
