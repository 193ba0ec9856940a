#include "storage/companion_copies.h"

#include <chrono>

#include "i18n/cp1250.h"
#include "i18n/text.h"
#include "storage/safe_file.h"

namespace tabrel {

namespace fs = std::filesystem;

namespace {

bool due(const fs::path& file, const fs::path& copy, int days, bool when_smaller) {
    std::error_code ec;
    if (!fs::exists(copy, ec)) return true;
    auto date = fs::last_write_time(copy, ec);
    if (ec || fs::file_time_type::clock::now() - date >= std::chrono::hours(24 * days)) return true;
    if (!when_smaller) return false;
    auto copy_size = fs::file_size(copy, ec);
    if (ec) return true;
    auto file_size = fs::file_size(file, ec);
    return !ec && copy_size < file_size;
}

Status copy_failed(const fs::path& copy, const std::string& reason) {
    auto name = utf8_to_cp1250(copy.filename().string()).value_or(copy.filename().string());
    return Status::failure(tr("msg_CompanionFailed", "Nie można utworzyć kopii zapasowej ") + name +
                           (reason.empty() ? "" : "\r\n" + reason));
}

Status renew(const fs::path& file, const std::string& suffix, int days, bool when_smaller) {
    fs::path copy = file;
    copy += suffix;
    if (!due(file, copy, days, when_smaller)) return {};
    const auto data = read_file(file);
    if (!data) return copy_failed(copy, "");
    if (Status written = write_file_atomic(copy, *data); !written)
        return copy_failed(copy, written.message());
    std::error_code ec;
    fs::last_write_time(copy, fs::file_time_type::clock::now(), ec);
    return {};
}

}  // namespace

Notices keep_companions(const fs::path& file, CompanionRule rule) {
    Notices notices;
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) return notices;
    notices.add(renew(file, ".bak", rule.bak_days, false));
    if (rule.err_days > 0) notices.add(renew(file, ".err", rule.err_days, true));
    return notices;
}

}  // namespace tabrel
