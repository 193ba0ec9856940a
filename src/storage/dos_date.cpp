#include "storage/dos_date.h"

#include <sys/stat.h>

namespace tabrel {

namespace {

constexpr int kFirstYear = 1980;
constexpr int kLastYear = kFirstYear + 127;
constexpr uint32_t kEarliest = (1u << 21) | (1u << 16);  // 1980-01-01 00:00:00

}  // namespace

uint32_t pack_dos_date(std::time_t t) {
    std::tm tm{};
    if (!localtime_r(&t, &tm)) return kEarliest;
    const int year = tm.tm_year + 1900;
    if (year < kFirstYear) return kEarliest;
    if (year > kLastYear) return 0xFF9FBF7Du;  // 2107-12-31 23:59:58
    return static_cast<uint32_t>(year - kFirstYear) << 25 |
           static_cast<uint32_t>(tm.tm_mon + 1) << 21 | static_cast<uint32_t>(tm.tm_mday) << 16 |
           static_cast<uint32_t>(tm.tm_hour) << 11 | static_cast<uint32_t>(tm.tm_min) << 5 |
           static_cast<uint32_t>(tm.tm_sec / 2);
}

DosDateTime unpack_dos_date(uint32_t packed) {
    DosDateTime d;
    d.year = kFirstYear + static_cast<int>(packed >> 25);
    d.month = static_cast<int>(packed >> 21 & 0x0F);
    d.day = static_cast<int>(packed >> 16 & 0x1F);
    d.hour = static_cast<int>(packed >> 11 & 0x1F);
    d.minute = static_cast<int>(packed >> 5 & 0x3F);
    d.second = static_cast<int>(packed & 0x1F) * 2;
    return d;
}

uint32_t dos_date_of_file(const std::filesystem::path& file) {
    struct stat st {};
    if (stat(file.c_str(), &st) != 0) return kEarliest;
    return pack_dos_date(st.st_mtime);
}

}  // namespace tabrel
