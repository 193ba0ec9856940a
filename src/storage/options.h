#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/locale.h"
#include "model/day_off_type.h"
#include "model/time_value.h"
#include "storage/law_limits.h"

namespace tabrel {

class IniFile;

// One kind of day off as the configuration names it. Texts are cp1250.
struct DayOffSetting {
    std::string name;    // "urlop_nazwa"
    std::string symbol;  // "urlop_symbol"
    bool lowers_norm;    // "urlop_normatyw"; fixed for the kinds whose flag is not editable
};

struct WindowGeometry {
    bool maximised = true;
    int x = 0;
    int y = 0;
    std::optional<int> width;   // none: the screen's width
    std::optional<int> height;  // none: the screen's height
};

std::array<DayOffSetting, kDayOffTypeCount> default_day_off_settings();

// Every setting of konfiguracja.ini with its default. The configuration dialog edits a copy and
// applies it on OK.
struct Options {
    // "glowne"
    int dyz8 = 455;  // read only: the month's calendar keeps the current group's lengths
    int dyz12 = 720;
    Date last_backup{};      // read with the clock's date at hand
    int autoarchiving = 90;  // days; 0 = never
    bool AutoCalcShifts = true;
    bool DeletePrintoutsFilesAfterClose = false;
    std::string miejscowosc;
    std::string kod;
    std::string adres;
    std::string firma;  // may hold line breaks
    std::string symbol_8 = "8";
    std::string symbol_d = "D";
    std::string symbol_other = "I";
    int CalendarDisplay = 0;  // 0 shift number, 1 day number, 2 number of duties
    int lang = -1;            // -1: by the system's language
    // "wydruki"
    int osoby = 10;
    int osoby_ind = 20;
    int wyswietlaj_ind = 2;
    bool roznica = true;
    TimeValue ng_powyzej = 120;
    TimeValue ng_od = 1140;
    TimeValue ng_do = 420;
    bool ng_swieto = true;
    bool ng_dyzur0 = true;
    bool ng_przenos = false;
    TimeValue noc_od = 1320;  // start of the night
    TimeValue noc_do = 480;   // LENGTH of the night
    TimeValue doba_od = 0;
    // "urlop_nazwa", "urlop_symbol", "urlop_normatyw", by kind index
    std::array<DayOffSetting, kDayOffTypeCount> day_off = default_day_off_settings();
    // "autofilling_" + language: suggestions for occupation and education
    std::vector<std::string> occupations;
    std::vector<std::string> educations;
    // "windows"
    WindowGeometry window;
    // "kontrola_czasu_pracy"
    LawLimits law;
};

// Reads sections "glowne", "wydruki", the three day-off sections and "windows". Missing or
// unreadable values keep their defaults; an unreadable "last_backup" gives today - 91 days.
Options read_options(const IniFile& file, const Locale& locale, Date today);

// Reads the two suggestion lists of a language ("polski", "english"); a missing list gives the
// language file's.
void read_suggestions(const IniFile& file, std::string_view language, Options& options);

// "Zapisz": "normatyw"/"test" = 1 and, unless the group editor is open, every setting except
// "dyz8", "dyz12", "last_backup", "AutoCalcShifts" and the window.
void write_options(IniFile& file, const Options& options, std::string_view language,
                   bool group_editor_open);

// At exit: "last_backup" and the window geometry.
void write_exit_state(IniFile& file, const Options& options, const Locale& locale);

// The group editor's automatic shift calculation switch, written when a group is saved.
void write_auto_calc_shifts(IniFile& file, bool on);

// Flips a kind's norm flag; false (and nothing changes) for a kind whose flag is fixed.
bool toggle_norm_flag(Options& options, int kind_index);

// A month file's "urlop_normatyw": for an editable kind "1" or 0xFE as the first character sets
// the flag, anything else clears it, a missing key gives the built-in flag; the other kinds keep
// theirs.
NormFlags month_norm_flags(const IniFile& month_file);

// The flags of the configuration, and the configuration with the flags replaced: the
// configuration dialog shows and edits those of the shown month.
NormFlags norm_flags_of(const Options& options);
Options with_norm_flags(Options options, const NormFlags& flags);

}  // namespace tabrel
