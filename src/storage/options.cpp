#include "storage/options.h"

#include <cctype>
#include <variant>

#include "i18n/text.h"
#include "storage/ini_file.h"
#include "storage/law_limits_file.h"
#include "storage/short_date.h"

namespace tabrel {

namespace {

constexpr char kSeparator = '\xA4';
constexpr char kFlagYes = '\xFE';
constexpr char kFlagNo = '\xA8';

// A memo's text: its line breaks are kept as 0xA4 on its one line.
struct Memo {
    std::string Options::*field;
};

using Field = std::variant<int Options::*, bool Options::*, std::string Options::*,
                           TimeValue Options::*, Memo>;

struct Setting {
    const char* section;
    const char* key;
    Field field;
};

// The settings "Zapisz" writes, in the order a fresh file gets them.
const Setting kSaved[] = {
    {"glowne", "autoarchiving", &Options::autoarchiving},
    {"glowne", "DeletePrintoutsFilesAfterClose", &Options::DeletePrintoutsFilesAfterClose},
    {"glowne", "miejscowosc", &Options::miejscowosc},
    {"glowne", "kod", &Options::kod},
    {"glowne", "adres", &Options::adres},
    {"glowne", "firma", Memo{&Options::firma}},
    {"glowne", "symbol_8", &Options::symbol_8},
    {"glowne", "symbol_d", &Options::symbol_d},
    {"glowne", "symbol_other", &Options::symbol_other},
    {"glowne", "CalendarDisplay", &Options::CalendarDisplay},
    {"glowne", "lang", &Options::lang},
    {"wydruki", "osoby", &Options::osoby},
    {"wydruki", "osoby_ind", &Options::osoby_ind},
    {"wydruki", "wyswietlaj_ind", &Options::wyswietlaj_ind},
    {"wydruki", "roznica", &Options::roznica},
    {"wydruki", "ng_powyzej", &Options::ng_powyzej},
    {"wydruki", "ng_od", &Options::ng_od},
    {"wydruki", "ng_do", &Options::ng_do},
    {"wydruki", "ng_swieto", &Options::ng_swieto},
    {"wydruki", "ng_dyzur0", &Options::ng_dyzur0},
    {"wydruki", "ng_przenos", &Options::ng_przenos},
    {"wydruki", "noc_od", &Options::noc_od},
    {"wydruki", "noc_do", &Options::noc_do},
    {"wydruki", "doba_od", &Options::doba_od},
};

// Read, never written: the group editor and the norm computation keep them.
const Setting kReadOnly[] = {
    {"glowne", "dyz8", &Options::dyz8},
    {"glowne", "dyz12", &Options::dyz12},
    {"glowne", "AutoCalcShifts", &Options::AutoCalcShifts},
};

template <typename... F>
struct Overloaded : F... {
    using F::operator()...;
};
template <typename... F>
Overloaded(F...) -> Overloaded<F...>;

std::string letter_key(int kind_index) {
    return std::string(1, day_off_types()[kind_index].letter);
}

// Stored text keeps its line breaks as 0xA4, as notes and lists do.
std::string to_stored(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        out += text[i] == '\r' || text[i] == '\n' ? kSeparator : text[i];
    }
    return out;
}

std::string from_stored(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == kSeparator)
            out += "\r\n";
        else
            out += c;
    }
    return out;
}

std::vector<std::string> split_list(std::string_view text) {
    std::vector<std::string> items;
    while (!text.empty()) {
        const size_t end = text.find(kSeparator);
        items.emplace_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return items;
}

std::string join_list(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) text += item + kSeparator;
    return text;
}

std::optional<bool> flag_byte(std::string_view value) {
    if (value.empty()) return std::nullopt;
    if (value[0] == kFlagYes || value[0] == '1') return true;
    if (value[0] == kFlagNo || value[0] == '0') return false;
    return std::nullopt;
}

TimeValue read_time(const IniFile& file, const Setting& s, TimeValue value) {
    const auto text = file.value(s.section, s.key);
    if (!text) return value;
    try {
        return h2min(*text);
    } catch (const TimeConversionError&) {
        return value;
    }
}

// A missing or unreadable value keeps the default already in the field.
void read_setting(const IniFile& file, const Setting& s, Options& o) {
    std::visit(
        Overloaded{
            [&](int Options::*f) { o.*f = file.read_integer(s.section, s.key, o.*f); },
            [&](bool Options::*f) {
                o.*f = file.read_integer(s.section, s.key, o.*f ? 1 : 0) != 0;
            },
            [&](std::string Options::*f) { o.*f = file.read_string(s.section, s.key, o.*f); },
            [&](TimeValue Options::*f) { o.*f = read_time(file, s, o.*f); },
            [&](Memo m) { o.*m.field = from_stored(file.read_string(s.section, s.key, "")); },
        },
        s.field);
}

std::string setting_text(const Setting& s, const Options& o) {
    return std::visit(Overloaded{
                          [&](int Options::*f) { return std::to_string(o.*f); },
                          [&](bool Options::*f) { return std::string(o.*f ? "1" : "0"); },
                          [&](std::string Options::*f) { return o.*f; },
                          [&](TimeValue Options::*f) { return min2h(o.*f, "txt", false); },
                          [&](Memo m) { return to_stored(o.*m.field); },
                      },
                      s.field);
}

Date read_last_backup(const IniFile& file, const Locale& locale, Date today) {
    const auto text = file.value("glowne", "last_backup");
    if (!text) return today;
    return parse_short_date(locale, *text).value_or(days_before(today, 91));
}

void read_day_off_settings(const IniFile& file, Options& options) {
    for (int i = 0; i < kDayOffTypeCount; ++i) {
        const std::string key = letter_key(i);
        DayOffSetting& setting = options.day_off[i];
        setting.name = file.read_string("urlop_nazwa", key, setting.name);
        setting.symbol = file.read_string("urlop_symbol", key, setting.symbol);
        // A blank symbol is written as "1= " and read back trimmed; keep it blank, not empty.
        const std::string& shipped_symbol = day_off_types()[i].symbol;
        if (setting.symbol.empty() && shipped_symbol == " ") setting.symbol = shipped_symbol;
        if (!day_off_types()[i].norm_editable) continue;
        if (auto flag = flag_byte(file.read_string("urlop_normatyw", key, "")))
            setting.lowers_norm = *flag;
    }
}

WindowGeometry read_window(const IniFile& file) {
    WindowGeometry w;
    w.maximised = file.read_integer("windows", "window_state_max", 1) != 0;
    w.x = file.read_integer("windows", "window_pos_x", 0);
    w.y = file.read_integer("windows", "window_pos_y", 0);
    if (file.has_key("windows", "window_width"))
        w.width = file.read_integer("windows", "window_width", 0);
    if (file.has_key("windows", "window_height"))
        w.height = file.read_integer("windows", "window_height", 0);
    return w;
}

std::string suggestions_section(std::string_view language) {
    std::string section = "autofilling_";
    for (char c : language)
        section += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return section;
}

void write_day_off_settings(IniFile& file, const Options& options) {
    for (int i = 0; i < kDayOffTypeCount; ++i) {
        const bool editable = day_off_types()[i].norm_editable;
        const bool flag = options.day_off[i].lowers_norm;
        file.write_string("urlop_normatyw", letter_key(i),
                          editable ? std::string(1, flag ? kFlagYes : kFlagNo) : "");
    }
    for (int i = 0; i < kDayOffTypeCount; ++i)
        file.write_string("urlop_symbol", letter_key(i), options.day_off[i].symbol);
    for (int i = 0; i < kDayOffTypeCount; ++i)
        file.write_string("urlop_nazwa", letter_key(i), options.day_off[i].name);
}

}  // namespace

std::array<DayOffSetting, kDayOffTypeCount> default_day_off_settings() {
    std::array<DayOffSetting, kDayOffTypeCount> settings;
    for (int i = 0; i < kDayOffTypeCount; ++i) {
        const DayOffType& type = day_off_types()[i];
        settings[i] = {type.name, type.symbol, type.lowers_norm};
    }
    return settings;
}

Options read_options(const IniFile& file, const Locale& locale, Date today) {
    Options o;
    for (const Setting& s : kReadOnly) read_setting(file, s, o);
    for (const Setting& s : kSaved) read_setting(file, s, o);
    o.last_backup = read_last_backup(file, locale, today);
    read_day_off_settings(file, o);
    o.window = read_window(file);
    o.law = read_law_limits(file);
    return o;
}

void read_suggestions(const IniFile& file, std::string_view language, Options& options) {
    const std::string section = suggestions_section(language);
    const std::string occupations =
        tr("muv_Occupations",
           "Pielęgniarka¤Starsza pielęgniarka¤Wolontariuszka¤Stażystka¤Położna¤Salowa¤Oddziałowa¤"
           "Zastępca oddziałowej¤");
    const std::string educations = tr("muv_Educations", "Wyższe¤Średnie¤");
    options.occupations = split_list(file.read_string(section, "Occupations", occupations));
    options.educations = split_list(file.read_string(section, "Educations", educations));
}

void write_options(IniFile& file, const Options& o, std::string_view language,
                   bool group_editor_open) {
    if (group_editor_open) {
        file.write_string("normatyw", "test", "1");
        return;
    }
    for (const Setting& s : kSaved) file.write_string(s.section, s.key, setting_text(s, o));
    write_day_off_settings(file, o);
    write_law_limits(file, o.law);
    const std::string section = suggestions_section(language);
    file.write_string(section, "Occupations", join_list(o.occupations));
    file.write_string(section, "Educations", join_list(o.educations));
    file.write_string("normatyw", "test", "1");
}

void write_exit_state(IniFile& file, const Options& o, const Locale& locale) {
    const Date& d = o.last_backup;
    file.write_string("glowne", "last_backup", locale.short_date(d.year, d.month, d.day));
    const WindowGeometry& w = o.window;
    file.write_string("windows", "window_pos_x", std::to_string(w.x));
    file.write_string("windows", "window_pos_y", std::to_string(w.y));
    if (w.width) file.write_string("windows", "window_width", std::to_string(*w.width));
    if (w.height) file.write_string("windows", "window_height", std::to_string(*w.height));
    file.write_string("windows", "window_state_max", w.maximised ? "1" : "0");
}

void write_auto_calc_shifts(IniFile& file, bool on) {
    file.write_string("glowne", "AutoCalcShifts", on ? "1" : "0");
}

bool toggle_norm_flag(Options& options, int kind_index) {
    if (kind_index < 0 || kind_index >= kDayOffTypeCount) return false;
    if (!day_off_types()[kind_index].norm_editable) return false;
    options.day_off[kind_index].lowers_norm = !options.day_off[kind_index].lowers_norm;
    return true;
}

NormFlags month_norm_flags(const IniFile& month_file) {
    NormFlags flags = built_in_norm_flags();
    for (int i = 0; i < kDayOffTypeCount; ++i) {
        if (!day_off_types()[i].norm_editable) continue;
        const auto value = month_file.value("urlop_normatyw", letter_key(i));
        if (value) flags[i] = !value->empty() && ((*value)[0] == '1' || (*value)[0] == kFlagYes);
    }
    return flags;
}

NormFlags norm_flags_of(const Options& options) {
    NormFlags flags{};
    for (int i = 0; i < kDayOffTypeCount; ++i) flags[i] = options.day_off[i].lowers_norm;
    return flags;
}

Options with_norm_flags(Options options, const NormFlags& flags) {
    for (int i = 0; i < kDayOffTypeCount; ++i) options.day_off[i].lowers_norm = flags[i];
    return options;
}

}  // namespace tabrel
