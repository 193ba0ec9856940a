#include <string_view>

#include "model/day_off_type.h"
#include "storage/line_file.h"
#include "storage/month_file.h"
#include "storage/month_paths.h"
#include "storage/safe_file.h"

namespace tabrel {

namespace fs = std::filesystem;

namespace {

// Sections separated by one empty line, lines ended by CR LF.
class MonthText {
public:
    void section(std::string_view name) {
        if (!text_.empty()) text_ += "\r\n";
        text_.append("[").append(name).append("]\r\n");
    }
    void entry(std::string_view key, std::string_view value) {
        text_.append(key).append("=").append(value).append("\r\n");
    }
    void entry(std::string_view key, int64_t value) { entry(key, std::to_string(value)); }
    std::string take() { return std::move(text_); }

private:
    std::string text_;
};

const char* flag(bool on) {
    return on ? "1" : "0";
}

// Line breaks of a note become 0xA4, so the note stays on its line.
std::string stored_note(std::string_view note) {
    std::string stored;
    for (size_t i = 0; i < note.size(); ++i) {
        const char c = note[i];
        if (c == '\r' && i + 1 < note.size() && note[i + 1] == '\n') ++i;
        stored += (c == '\r' || c == '\n') ? kFieldSeparator : c;
    }
    return stored;
}

std::string duty_line(const Duty& d) {
    return LineWriter(std::to_string(d.group_id))
        .integer(d.worker_id)
        .integer(d.day_no)
        .integer(d.duration)
        .integer(d.shift_no)
        .integer(d.start)
        .integer(d.overtime)
        .text(d.note)
        .boolean(d.on_request)
        .line();
}

std::string day_off_line(const DayOff& d) {
    return LineWriter(std::to_string(d.group_id))
        .integer(d.worker_id)
        .integer(d.from_day)
        .integer(d.to_day)
        .integer(d.minutes)
        .text(std::string_view(&d.kind, d.kind == 0 ? 0 : 1))
        .line();
}

void write_calendar(MonthText& out, const MonthCalendar& calendar, const NormFlags& norm_flags,
                    const std::string& date) {
    out.section("info");
    out.entry("wersja", "3.50");
    out.entry("data", date);
    out.section("urlop_normatyw");
    for (int k = 0; k < kDayOffTypeCount; ++k)
        out.entry(std::string(1, day_off_types()[k].letter), flag(norm_flags[k]));
    out.section("kalendarz_ostre_dyzury");
    for (size_t k = 0; k < calendar.days.size(); ++k) {
        if (calendar.days[k].kalendarz_ostre_dyzury) out.entry(std::to_string(k), "1");
    }
    out.section("kalendarz_wlasny");
    for (size_t k = 0; k < calendar.days.size(); ++k) {
        if (calendar.days[k].kalendarz_wlasny) out.entry(std::to_string(k), "1");
    }
    out.section("kalendarz_notatki");
    for (size_t k = 0; k < calendar.days.size(); ++k) {
        const std::string& note = calendar.days[k].kalendarz_notatki;
        if (!note.empty()) out.entry(std::to_string(k), stored_note(note));
    }
}

void write_group(MonthText& out, const Group& g) {
    out.section("g" + std::to_string(g.id));
    out.entry("NewPeriod", flag(g.NewPeriod));
    out.entry("CustomNorma", flag(g.CustomNorma));
    out.entry("Norma", g.Norma);
    out.entry("day8", g.profile.day8);
    out.entry("sob_swieto", flag(g.profile.sob_swieto));
    out.entry("wolne_za_sob_swieto", flag(g.profile.wolne_za_sob_swieto));
    out.entry("noc_w_swieto_jak_swieto", flag(g.profile.noc_w_swieto_jak_swieto));
    out.entry("bez_swiat", flag(g.profile.bez_swiat));
}

void write_entries(MonthText& out, const Roster& roster) {
    out.section("dyzury");
    int n = 0;
    for (const Worker& w : roster.workers) {
        for (const Duty& d : w.duties) {
            if (d.seq != 0 && d.group_id != 0) out.entry("d" + std::to_string(++n), duty_line(d));
        }
    }
    for (const Duty& d : roster.detached_duties) out.entry("d" + std::to_string(++n), duty_line(d));

    out.section("wolne");
    n = 0;
    const int days = roster.month_days();
    for (const Worker& w : roster.workers) {
        for (int day = 0; day < days && day < kMonthSlots; ++day) {
            const DayOff& d = w.days_off[day];
            if (d.seq != 0) out.entry("w" + std::to_string(++n), day_off_line(d));
        }
    }
    for (const DayOff& d : roster.detached_days_off)
        out.entry("w" + std::to_string(++n), day_off_line(d));
}

void write_kept(MonthText& out, const std::vector<Roster::KeptLine>& lines) {
    for (const Roster::KeptLine& line : lines) out.entry(line.key, line.value);
}

void write_carries(MonthText& out, const Roster& roster, const CarriedBalances& carried) {
    out.section("normatywy_wlasne");
    for (const Worker& w : roster.workers) {
        if (w.own_norm_set) out.entry(std::to_string(w.id), w.own_norm);
    }
    write_kept(out, roster.detached_own_norms);
    out.section("manu_nadpracowania");
    for (const Worker& w : roster.workers) {
        if (w.carry_manual != 0) out.entry(std::to_string(w.id), w.carry_manual);
    }
    write_kept(out, roster.detached_carry_manual);
    out.section("auto_nadpracowania_z_poprzedniego");
    for (const Worker& w : roster.workers) {
        if (w.carry_auto != 0) out.entry(std::to_string(w.id), w.carry_auto);
    }
    write_kept(out, roster.detached_carry_auto);
    out.section("auto_nadpracowania");
    for (const CarriedBalance& c : carried) out.entry(std::to_string(c.worker_id), c.minutes);
}

bool has_month_entries(const Worker& w) {
    if (w.carry_manual != 0 || w.carry_auto != 0 || w.own_norm_set) return true;
    for (int i = 0; i < kMonthSlots; ++i) {
        if (w.duties[i].seq != 0 || w.days_off[i].seq != 0) return true;
    }
    return false;
}

// A month file with a calendar starts with its version and save date.
constexpr std::string_view kDateLead = "[info]\r\nwersja=3.50\r\ndata=";

std::string_view after_date(std::string_view text) {
    if (!text.starts_with(kDateLead)) return text;
    const size_t end = text.find("\r\n", kDateLead.size());
    return end == std::string_view::npos ? text : text.substr(end);
}

// The file is still the one read: a file removed or rewritten meanwhile is written again.
bool still_stored(const fs::path& path, const StoredMonth& stored, std::string_view text) {
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    return stored && !ec && size == stored->size() && after_date(text) == after_date(*stored);
}

bool has_detached_lines(const Roster& roster) {
    return !roster.detached_own_norms.empty() || !roster.detached_carry_manual.empty() ||
           !roster.detached_carry_auto.empty();
}

}  // namespace

bool is_empty_month(const Roster& roster) {
    for (const Group& g : roster.groups) {
        if (g.CustomNorma || g.NewPeriod) return false;
    }
    for (const Worker& w : roster.workers) {
        if (has_month_entries(w)) return false;
    }
    return roster.detached_duties.empty() && roster.detached_days_off.empty() &&
           !has_detached_lines(roster);
}

std::string month_file_text(const Roster& roster, const CarriedBalances& carried,
                            const std::string& date) {
    MonthText out;
    if (!roster.calendar.days.empty())
        write_calendar(out, roster.calendar, roster.norm_flags, date);
    if (is_empty_month(roster)) return out.take();
    for (const Group& g : roster.groups) {
        if (!g.old) write_group(out, g);
    }
    write_entries(out, roster);
    if (!roster.workers.empty() || has_detached_lines(roster)) write_carries(out, roster, carried);
    return out.take();
}

Status save_changed_month(Roster& roster, const CarriedBalances& carried, const Locale& locale,
                          const Clock& clock, StoredMonth& stored) {
    if (roster.month_file.empty()) plik_save(roster);
    if (roster.month_file.empty()) return Status::failure("");
    const Date now = clock.today();
    std::string text =
        month_file_text(roster, carried, locale.short_date(now.year, now.month, now.day));
    if (still_stored(roster.month_file, stored, text)) return {};
    Status written = write_file_atomic(roster.month_file, text);
    if (written) stored = std::move(text);
    return written;
}

}  // namespace tabrel
