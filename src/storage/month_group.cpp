#include "storage/month_group.h"

#include <limits>

#include "model/time_value.h"
#include "storage/conversion_error.h"
#include "storage/line_file.h"

namespace tabrel {

namespace {

uint16_t stored_day8(const IniFile& file, const std::string& section, uint16_t fallback) {
    const int value = file.read_integer(section, "day8", fallback);
    return value < 0 || value > std::numeric_limits<uint16_t>::max() ? fallback
                                                                     : static_cast<uint16_t>(value);
}

bool stored_flag(const IniFile& file, const std::string& section, std::string_view key,
                 bool fallback) {
    return file.read_integer(section, key, fallback ? 1 : 0) != 0;
}

uint16_t stored_norm(const IniFile& file, const std::string& section,
                     const std::string& file_name) {
    const auto text = file.value(section, "Norma");
    if (!text) return 0;
    try {
        return static_cast<uint16_t>(
            parse_integer(*text, 0, std::numeric_limits<TimeValue>::max()));
    } catch (ConversionError& error) {
        error.locate(file_name + " [" + section + "]", file.line_number(section, "Norma"));
        throw;
    }
}

}  // namespace

void read_month_group(const IniFile& file, const std::string& file_name, Group& g) {
    const std::string section = "g" + std::to_string(g.id);
    const Profile& defaults = g.default_profile;
    g.profile.day8 = stored_day8(file, section, defaults.day8);
    g.profile.sob_swieto = stored_flag(file, section, "sob_swieto", defaults.sob_swieto);
    g.profile.wolne_za_sob_swieto =
        stored_flag(file, section, "wolne_za_sob_swieto", defaults.wolne_za_sob_swieto);
    g.profile.noc_w_swieto_jak_swieto =
        stored_flag(file, section, "noc_w_swieto_jak_swieto", defaults.noc_w_swieto_jak_swieto);
    g.profile.bez_swiat = stored_flag(file, section, "bez_swiat", defaults.bez_swiat);
    g.NewPeriod = stored_flag(file, section, "NewPeriod", false);
    g.CustomNorma = stored_flag(file, section, "CustomNorma", false);
    g.Norma = stored_norm(file, section, file_name);
}

}  // namespace tabrel
