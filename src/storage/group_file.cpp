#include "storage/group_file.h"

#include "storage/conversion_error.h"
#include "storage/line_file.h"

namespace tabrel {

namespace {

void read_group_line(const FieldReader& r, Group& g) {
    Profile& p = g.profile;
    r.integer(1, g.id);
    r.boolean(2, g.old);
    r.integer(3, p.auto_staff_n);
    r.integer(4, p.auto_staff_h);
    if (!r.empty(5)) r.boolean(5, g.reset_before_automat);
    r.integer(6, p.day8);
    r.boolean(7, p.sob_swieto);
    r.boolean(8, p.wolne_za_sob_swieto);
    r.boolean(9, p.noc_w_swieto_jak_swieto);
    r.boolean(10, p.bez_swiat);
    r.text(11, g.nazwa);
    r.colour(12, g.kolor);
    g.Algorithm = 0;
    r.integer(13, g.Algorithm);
    g.NormaResidueDistribution = 0;
    r.integer(14, g.NormaResidueDistribution);
    // Lines of older versions end before the default profile: it starts as the current one.
    Profile& d = g.default_profile;
    d.day8 = p.day8;
    r.integer(15, d.day8);
    d.sob_swieto = p.sob_swieto;
    r.boolean(16, d.sob_swieto);
    d.wolne_za_sob_swieto = p.wolne_za_sob_swieto;
    r.boolean(17, d.wolne_za_sob_swieto);
    d.noc_w_swieto_jak_swieto = p.noc_w_swieto_jak_swieto;
    r.boolean(18, d.noc_w_swieto_jak_swieto);
    d.bez_swiat = p.bez_swiat;
    r.boolean(19, d.bez_swiat);
}

Shift read_shift_line(const FieldReader& r) {
    Shift s;
    s.zkolor = 0;
    r.integer(1, s.zod);
    r.integer(2, s.zile);
    r.integer(3, s.zdyz);
    r.integer(4, s.zobsada);
    r.integer(5, s.zobsadas);
    r.colour(6, s.zkolor);
    r.text(7, s.zsymbol);
    r.text(8, s.znazwa);
    return s;
}

bool blank(const std::string& line) {
    return line.find_first_not_of(' ') == std::string::npos;
}

}  // namespace

std::string group_line(const Group& g) {
    const Profile& p = g.profile;
    const Profile& d = g.default_profile;
    return LineWriter("g")
        .integer(g.id)
        .boolean(g.old)
        .integer(p.auto_staff_n)
        .integer(p.auto_staff_h)
        .boolean(g.reset_before_automat)
        .integer(p.day8)
        .boolean(p.sob_swieto)
        .boolean(p.wolne_za_sob_swieto)
        .boolean(p.noc_w_swieto_jak_swieto)
        .boolean(p.bez_swiat)
        .text(g.nazwa)
        .colour(g.kolor)
        .integer(g.Algorithm)
        .integer(g.NormaResidueDistribution)
        .integer(d.day8)
        .boolean(d.sob_swieto)
        .boolean(d.wolne_za_sob_swieto)
        .boolean(d.noc_w_swieto_jak_swieto)
        .boolean(d.bez_swiat)
        .line();
}

std::string shift_line(const Shift& s) {
    return LineWriter("z")
        .integer(s.zod)
        .integer(s.zile)
        .integer(s.zdyz)
        .integer(s.zobsada)
        .integer(s.zobsadas)
        .colour(s.zkolor)
        .text(s.zsymbol)
        .text(s.znazwa)
        .line();
}

std::string groups_file_text(const std::vector<Group>& groups) {
    std::vector<std::string> lines;
    for (const auto& g : groups) {
        lines.push_back(group_line(g));
        for (const auto& s : g.profile.shifts) lines.push_back(shift_line(s));
    }
    return join_lines(lines);
}

void read_groups(std::string_view text, Roster& roster) {
    std::vector<std::string> lines = split_lines(text);
    std::vector<size_t> kept;  // indexes of the non-blank lines, for line numbers in messages
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!blank(lines[i])) kept.push_back(i);
    }
    Group buffer;
    for (size_t k = 0; k < kept.size(); ++k) {
        const std::string& line = lines[kept[k]];
        try {
            FieldReader r(line);
            if (!r.missing(0) && r.at(0) == "g") {
                read_group_line(r, buffer);
            } else {
                Shift s = read_shift_line(r);
                if (buffer.profile.shifts.size() == kMaxShifts)
                    throw ConversionError::too_many_shifts(buffer.nazwa);
                buffer.profile.shifts.push_back(s);
            }
        } catch (ConversionError& e) {
            e.locate(kGroupsFileName, static_cast<int>(kept[k] + 1));
            throw;
        }
        if (k + 1 == kept.size() || lines[kept[k + 1]].front() == 'g') {
            buffer.CustomNorma = false;
            buffer.Norma = 0;
            roster.dodaj_grupe(buffer, false);
            buffer.profile.shifts.clear();
        }
    }
}

}  // namespace tabrel
