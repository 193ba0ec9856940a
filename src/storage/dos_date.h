#pragma once

#include <cstdint>
#include <ctime>
#include <filesystem>

namespace tabrel {

// A local date and time as MS-DOS packs it into 32 bits: bits 25-31 year - 1980, 21-24 month,
// 16-20 day, 11-15 hour, 5-10 minute, 0-4 seconds / 2.
struct DosDateTime {
    int year = 1980;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;  // always even
};

// Times outside the packed range (1980 to 2107) are clamped to its ends.
uint32_t pack_dos_date(std::time_t t);
DosDateTime unpack_dos_date(uint32_t packed);

// The file's modification time packed; 1980-01-01 00:00 when the file cannot be examined.
uint32_t dos_date_of_file(const std::filesystem::path& file);

}  // namespace tabrel
