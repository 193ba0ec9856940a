#include "storage/restore_swap.h"

#include <chrono>
#include <ctime>

#include "i18n/cp1250.h"
#include "i18n/text.h"
#include "storage/month_paths.h"
#include "storage/safe_file.h"

namespace tabrel {

namespace fs = std::filesystem;

namespace {

std::string name_of(const fs::path& path) {
    return utf8_to_cp1250(path.filename().string()).value_or("?");
}

// A copy that keeps the source's date, as the backup's age is shown to the user.
Status copy_dated(const fs::path& from, const fs::path& to) {
    const auto data = read_file(from);
    if (!data)
        return Status::failure(tr("msg_CannotReadFile", "Nie można odczytać pliku ") +
                               name_of(from));
    if (Status written = write_file_atomic(to, *data); !written) return written;
    std::error_code ec;
    const auto date = fs::last_write_time(from, ec);
    if (!ec) fs::last_write_time(to, date, ec);
    return {};
}

void remove_quietly(const fs::path& path) {
    std::error_code ec;
    fs::remove(path, ec);
}

}  // namespace

fs::path backup_copy(const fs::path& file) {
    fs::path copy = file;
    copy += ".bak";
    return copy;
}

std::optional<Date> file_date(const fs::path& path) {
    std::error_code ec;
    const auto written = fs::last_write_time(path, ec);
    if (ec) return std::nullopt;
    const std::time_t seconds =
        std::chrono::system_clock::to_time_t(std::chrono::file_clock::to_sys(written));
    std::tm local{};
    if (!localtime_r(&seconds, &local)) return std::nullopt;
    return Date{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

Status swap_with_backup(const fs::path& file) {
    const fs::path bak = backup_copy(file);
    const fs::path marker = restore_marker(file);
    std::error_code ec;
    const bool had_file = fs::exists(file, ec);
    Status step = copy_dated(had_file ? file : bak, marker);
    if (step) step = copy_dated(bak, file);
    if (!step) {
        remove_quietly(marker);
        return step;
    }
    step = copy_dated(marker, bak);
    if (step) return step;
    // The replaced state lives only in the marker now: it goes back into the file.
    if (had_file ? copy_dated(marker, file).ok() : fs::remove(file, ec)) remove_quietly(marker);
    return step;
}

}  // namespace tabrel
