#include "storage/month_entries.h"

#include <algorithm>

#include "i18n/cp1250.h"
#include "i18n/text.h"
#include "model/calendar.h"
#include "storage/ini_file.h"
#include "storage/month_lines.h"
#include "storage/month_paths.h"
#include "storage/safe_file.h"

namespace tabrel {

namespace fs = std::filesystem;

namespace {

void read_entries(const IniFile& file, const fs::path& path, MonthEntries& out) {
    const int days = days_in_month(out.year, out.month);
    read_numbered(IniSection(file, "dyzury"), 'd', path, "dyzury", [&](const IniFile::Entry& e) {
        const Duty d = parse_duty(e.value);
        if (d.group_id != 0 && d.day_no >= 1 && d.day_no <= days) out.duties.push_back(d);
    });
    read_numbered(IniSection(file, "wolne"), 'w', path, "wolne", [&](const IniFile::Entry& e) {
        DayOff d = parse_day_off(e.value);
        // A range that ends before it begins covers no day.
        if (d.from_day < 1 || d.from_day > days || d.to_day < d.from_day) return;
        d.to_day = static_cast<uint8_t>(std::min<int>(d.to_day, days));
        out.days_off.push_back(d);
    });
}

}  // namespace

MonthEntriesResult read_month_entries(const fs::path& data_folder, int year, int month) {
    MonthEntriesResult result;
    result.entries.year = year;
    result.entries.month = month;
    const fs::path path = month_file_path(data_folder, year, month);
    std::error_code ec;
    if (!fs::exists(path, ec)) return result;
    const auto bytes = read_file(path);
    if (!bytes) {
        result.error = tr("msg_CannotReadFile", "Nie można odczytać pliku ") +
                       utf8_to_cp1250(path.filename().string()).value_or("?");
        return result;
    }
    try {
        read_entries(IniFile::parse(*bytes), path, result.entries);
    } catch (const ConversionError& error) {
        result.error = error.message();
    }
    return result;
}

}  // namespace tabrel
