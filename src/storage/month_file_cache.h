#pragma once

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>

#include "storage/month_entries.h"

namespace tabrel {

// Month files read for the working-time rules, each kept while it stays the same file of the
// same size and time of change: moving back and forth between months then parses no
// neighbouring month again, while a month saved meanwhile (a new file in its place) is read anew.
class MonthFileCache {
public:
    // As read_month_entries.
    const MonthEntriesResult& entries(const std::filesystem::path& data_folder, int year,
                                      int month);
    // The month's file marks group `group_id` as opening a settlement period.
    bool opens_period(const std::filesystem::path& data_folder, int year, int month,
                      uint16_t group_id);

private:
    struct Stamp {
        ino_t inode = 0;
        off_t size = -1;  // -1: no file
        int64_t changed_ns = 0;
        bool operator==(const Stamp&) const = default;
    };
    struct Kept {
        Stamp stamp;
        std::optional<MonthEntriesResult> entries;
        std::map<uint16_t, bool> opens_period;
    };

    // The kept reading of the month's file, emptied when the file is no longer the one read.
    Kept& kept(const std::filesystem::path& data_folder, int year, int month);

    std::unordered_map<std::string, Kept> files_;  // by the file's path
};

}  // namespace tabrel
