#include "storage/companion_copies.h"

#include <chrono>

#include "base/prompter.h"
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

void renew(const fs::path& file, const std::string& suffix, int days, bool when_smaller,
           Prompter& prompter) {
    fs::path copy = file;
    copy += suffix;
    if (!due(file, copy, days, when_smaller)) return;
    std::string error;
    auto data = read_file(file);
    if (data && write_file_atomic(copy, *data, &error)) {
        std::error_code ec;
        fs::last_write_time(copy, fs::file_time_type::clock::now(), ec);
        return;
    }
    auto name = utf8_to_cp1250(copy.filename().string()).value_or(copy.filename().string());
    prompter.error(tr("msg_CompanionFailed", "Nie można utworzyć kopii zapasowej ") + name +
                   (error.empty() ? "" : "\r\n" + error));
}

}  // namespace

void keep_companions(const fs::path& file, CompanionRule rule, Prompter& prompter) {
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) return;
    renew(file, ".bak", rule.bak_days, false, prompter);
    if (rule.err_days > 0) renew(file, ".err", rule.err_days, true, prompter);
}

}  // namespace tabrel
