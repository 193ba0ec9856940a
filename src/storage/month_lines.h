#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "model/day_off.h"
#include "model/duty.h"
#include "storage/conversion_error.h"
#include "storage/ini_section.h"

namespace tabrel {

// One "d" + n value of a month file's [dyzury]; a bad number throws ConversionError.
Duty parse_duty(std::string_view value);

// One "w" + n value of a month file's [wolne]; an empty kind reads as "Inny".
DayOff parse_day_off(std::string_view value);

// Calls `insert` with the entries "d1", "d2" ... (or "w1" ...) up to the first missing
// number; a ConversionError gets the file, section and line added.
template <typename Insert>
void read_numbered(const IniSection& section, char prefix, const std::filesystem::path& path,
                   const std::string& section_name, Insert insert) {
    for (int n = 1;; ++n) {
        const IniFile::Entry* e = section.find(prefix + std::to_string(n));
        if (!e) return;
        try {
            insert(*e);
        } catch (ConversionError& error) {
            error.locate(path.filename().string() + " [" + section_name + "]", e->line);
            throw;
        }
    }
}

}  // namespace tabrel
