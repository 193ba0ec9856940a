#include "storage/staff_file.h"

#include "storage/conversion_error.h"
#include "storage/line_file.h"

namespace tabrel {

namespace {

void read_worker_line(const FieldReader& r, Worker& w) {
    r.integer(1, w.id);
    r.integer(2, w.grupa);
    r.integer(3, w.urlop);
    r.integer(4, w.urlop_prev);
    r.integer(5, w.opieka);
    r.integer(6, w.reha);
    r.fraction(7, w.etat);
    r.integer(8, w.pref_dn);
    r.integer(9, w.pref_zs);
    r.boolean(10, w.pref_8);
    if (!r.empty(11)) r.text(11, w.pref_8_shift_no);
    r.boolean(12, w.pref_without_auto);
    r.boolean(13, w.pref_system);
    r.integer(14, w.pref_system_start_from);
    r.text(15, w.pref_system_pattern);
    r.text(16, w.nazwisko);
    r.text(17, w.imie);
    r.text(18, w.pesel);
    r.text(19, w.wyksztalcenie);
    r.text(20, w.kursy);
    r.text(21, w.user1);
    r.text(22, w.user2);
    r.text(23, w.user3);
    r.text(24, w.adres);
    r.text(25, w.poczta);
    r.text(26, w.kod);
    r.text(27, w.telefon);
    r.text(28, w.email);
    r.text(29, w.zawod);
    r.text(30, w.pseudo);
    w.pseudo = cut_pseudo(w.pseudo);
    r.colour(31, w.kolor);
    r.boolean(32, w.old);
    // Lines of older versions end here.
    std::string grupy = std::to_string(w.grupa) + "|";
    r.text(33, grupy);
    if (!grupy.empty() && grupy.find('|') == std::string::npos) grupy += '|';
    w.grupy = std::move(grupy);
    w.pref_system_as_week = false;
    r.boolean(34, w.pref_system_as_week);
    w.pref_system_start_from8 = 1;
    r.integer(35, w.pref_system_start_from8);
}

bool blank(const std::string& line) {
    return line.find_first_not_of(' ') == std::string::npos;
}

}  // namespace

std::string worker_line(const Worker& w, char decimal_separator) {
    return LineWriter("p")
        .integer(w.id)
        .integer(w.grupa)
        .integer(w.urlop)
        .integer(w.urlop_prev)
        .integer(w.opieka)
        .integer(w.reha)
        .fraction(w.etat, decimal_separator)
        .integer(w.pref_dn)
        .integer(w.pref_zs)
        .boolean(w.pref_8)
        .text(w.pref_8_shift_no)
        .boolean(w.pref_without_auto)
        .boolean(w.pref_system)
        .integer(w.pref_system_start_from)
        .text(w.pref_system_pattern)
        .text(w.nazwisko)
        .text(w.imie)
        .text(w.pesel)
        .text(w.wyksztalcenie)
        .text(w.kursy)
        .text(w.user1)
        .text(w.user2)
        .text(w.user3)
        .text(w.adres)
        .text(w.poczta)
        .text(w.kod)
        .text(w.telefon)
        .text(w.email)
        .text(w.zawod)
        .text(w.pseudo)
        .colour(w.kolor)
        .boolean(w.old)
        .text(w.grupy.text())
        .boolean(w.pref_system_as_week)
        .integer(w.pref_system_start_from8)
        .line();
}

std::string staff_file_text(const std::vector<Worker>& workers, char decimal_separator) {
    std::vector<std::string> lines;
    for (const auto& w : workers) lines.push_back(worker_line(w, decimal_separator));
    return join_lines(lines);
}

void read_staff(std::string_view text, Roster& roster) {
    std::vector<std::string> lines = split_lines(text);
    Worker buffer;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (blank(lines[i])) continue;
        try {
            read_worker_line(FieldReader(lines[i]), buffer);
        } catch (ConversionError& e) {
            e.locate(kStaffFileName, static_cast<int>(i + 1));
            throw;
        }
        roster.dodaj_pracow(buffer, false, 0);
    }
}

}  // namespace tabrel
