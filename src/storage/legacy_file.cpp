#include "storage/legacy_file.h"

#include <limits>

#include "i18n/cp1250.h"
#include "i18n/text.h"
#include "storage/companion_copies.h"
#include "storage/conversion_error.h"
#include "storage/ini_file.h"
#include "storage/ini_section.h"
#include "storage/line_file.h"
#include "storage/safe_file.h"

namespace tabrel {

namespace {

// Reads one section of the legacy file; values out of their field's range take the default.
class SectionReader {
public:
    SectionReader(const IniFile& ini, const std::string& section) : section_(ini, section) {}

    template <typename T>
    T integer(const std::string& key, T fallback) const {
        int value = section_.integer(key, fallback);
        if (value < std::numeric_limits<T>::min() || value > std::numeric_limits<T>::max())
            return fallback;
        return static_cast<T>(value);
    }
    bool boolean(const std::string& key, bool fallback) const {
        return section_.integer(key, fallback ? 1 : 0) != 0;
    }
    std::string text(const std::string& key, std::string_view fallback) const {
        return section_.text(key, fallback);
    }
    bool has(const std::string& key) const { return section_.find(key) != nullptr; }
    // Stops the load at the key's line.
    [[noreturn]] void refuse(const std::string& key, ConversionError error) const {
        error.locate(kLegacyFileName, section_.find(key)->line);
        throw error;
    }
    Colour colour(const std::string& key, Colour fallback) const {
        return located(
            key, [&](const std::string& text) { return parse_colour(text); }, fallback);
    }
    double fraction(const std::string& key, double fallback) const {
        return located(
            key, [&](const std::string& text) { return parse_fraction(text); }, fallback);
    }

private:
    template <typename Parse, typename T>
    T located(const std::string& key, Parse parse, T fallback) const {
        const IniFile::Entry* entry = section_.find(key);
        if (entry == nullptr || entry->value.empty()) return fallback;
        try {
            return parse(entry->value);
        } catch (ConversionError& e) {
            e.locate(kLegacyFileName, entry->line);
            throw;
        }
    }

    IniSection section_;
};

Shift read_shift(const SectionReader& s, int i) {
    const std::string n = std::to_string(i);
    Shift shift;
    shift.zod = s.integer<uint16_t>("zod" + n, 420);
    shift.zile = s.integer<uint16_t>("zile" + n, 720);
    shift.zdyz = s.integer<uint16_t>("zdyz" + n, 455);
    shift.zkolor = s.colour("zkolor" + n, clWhite);
    shift.zsymbol = s.text("zsymbol" + n, std::to_string(i + 1));
    shift.znazwa = s.text("znazwa" + n, "");
    shift.zobsada = s.integer<uint8_t>("zobsada" + n, 0);
    shift.zobsadas = s.integer<uint8_t>("zobsadas" + n, 0);
    return shift;
}

void give_default_shifts(Profile& p) {
    p.shifts = {Shift{420, 720, 455, rgb(255, 255, 255), "R", "", 0, 0},
                Shift{1140, 720, 0, rgb(221, 221, 221), "N", "", 0, 0}};
    p.day8 = 455;
    p.sob_swieto = false;
    p.wolne_za_sob_swieto = true;
}

Group read_group(const SectionReader& s) {
    Group g;
    g.id = s.integer<uint16_t>("id", 1);
    g.nazwa = s.text("nazwa", "grupa_1");
    g.old = s.boolean("old", false);
    g.reset_before_automat = s.boolean("reset_before_automat", false);
    Profile& p = g.profile;
    p.day8 = s.integer<uint16_t>("day8", 455);
    p.sob_swieto = s.boolean("sob_swieto", false);
    p.wolne_za_sob_swieto = s.boolean("wolne_za_sob_swieto", false);
    p.noc_w_swieto_jak_swieto = s.boolean("noc_w_swieto_jak_swieto", false);
    p.bez_swiat = s.boolean("bez_swiat", false);
    p.auto_staff_n = s.integer<uint8_t>("auto_staff_n", 2);
    p.auto_staff_h = s.integer<uint8_t>("auto_staff_h", 2);
    for (int i = 0; i < kMaxShifts && s.has("zod" + std::to_string(i)); ++i)
        p.shifts.push_back(read_shift(s, i));
    const std::string beyond = "zod" + std::to_string(kMaxShifts);
    if (p.shifts.size() == kMaxShifts && s.has(beyond))
        s.refuse(beyond, ConversionError::too_many_shifts(g.nazwa));
    if (p.shifts.empty()) give_default_shifts(p);
    g.default_profile.day8 = p.day8;
    g.default_profile.sob_swieto = p.sob_swieto;
    g.default_profile.wolne_za_sob_swieto = p.wolne_za_sob_swieto;
    g.default_profile.noc_w_swieto_jak_swieto = p.noc_w_swieto_jak_swieto;
    g.default_profile.bez_swiat = p.bez_swiat;
    g.kolor = kLegacyGroupColour;
    return g;
}

Worker read_worker(const SectionReader& s) {
    Worker w;
    w.id = s.integer<uint16_t>("id", 1);
    w.grupa = s.integer<uint16_t>("grupa", 1);
    w.urlop = s.integer<uint16_t>("urlop", 26);
    w.urlop_prev = s.integer<uint16_t>("urlop_prev", 26);
    w.opieka = s.integer<uint8_t>("opieka", 2);
    w.reha = s.integer<uint8_t>("reha", 10);
    w.etat = s.fraction("etat", 100);
    w.pref_dn = s.integer<uint8_t>("pref_dn", 5);
    w.pref_zs = s.integer<uint8_t>("pref_zs", 5);
    w.pref_without_auto = s.boolean("pref_without_auto", true);
    w.pref_8 = s.boolean("pref_8", false);
    w.pref_8_shift_no = s.text("pref_8_shift_no", "1");
    w.pref_system = s.boolean("pref_system", false);
    w.pref_system_start_from = s.integer<uint8_t>("pref_system_start_from", 1);
    w.pref_system_start_from8 = s.integer<uint8_t>("pref_system_start_from8", 1);
    w.pref_system_pattern = s.text("pref_system_pattern", "1200");
    w.pref_system_as_week = s.boolean("pref_system_as_week", false);
    w.nazwisko = s.text("nazwisko", cp("Błąd danych"));
    w.imie = s.text("imie", "");
    w.pesel = s.text("pesel", "");
    w.wyksztalcenie = s.text("wyksztalcenie", "");
    w.kursy = s.text("kursy", "");
    w.user1 = s.text("user1", "");
    w.user2 = s.text("user2", "");
    w.user3 = s.text("user3", "");
    w.adres = s.text("adres", "");
    w.poczta = s.text("poczta", "");
    w.kod = s.text("kod", "");
    w.telefon = s.text("telefon", "");
    w.email = s.text("email", "");
    w.zawod = s.text("zawod", "");
    w.pseudo = cut_pseudo(s.text("pseudo", "Err"));
    w.kolor = s.colour("kolor", clYellow);
    w.old = s.boolean("old", false);
    w.grupy = GroupMembership::of({w.grupa});
    return w;
}

}  // namespace

Status wczytaj_stary_tabrel_ini(Roster& roster, Notices& notices, LoadPurpose purpose) {
    const auto path = roster.data_folder / kLegacyFileName;
    if (purpose == LoadPurpose::Editing) notices.add(keep_companions(path, {4, 0}));
    auto text = read_file(path);
    if (!text)
        return Status::failure(tr("msg_CannotReadFile", "Nie można odczytać pliku ") +
                               kLegacyFileName);
    const IniFile ini = IniFile::parse(*text);
    for (int i = 0; ini.has_section("g" + std::to_string(i)); ++i)
        roster.dodaj_grupe(read_group(SectionReader(ini, "g" + std::to_string(i))), false);
    for (int i = 0; ini.has_section("k" + std::to_string(i)); ++i)
        roster.dodaj_pracow(read_worker(SectionReader(ini, "k" + std::to_string(i))), false, 0);
    return {};
}

}  // namespace tabrel
