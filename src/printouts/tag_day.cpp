#include <algorithm>
#include <array>
#include <numeric>

#include "printouts/tag_families.h"
#include "printouts/tag_weekday_names.h"
#include "worktime/weekday.h"

namespace tabrel {

namespace {

using Field = std::string DaySchedule::*;

template <Field field>
std::string who(const TagCall& c) {
    if (!c.day()) return {};
    return c.schedule()[static_cast<size_t>(c.ctx.at.day)].*field;
}

// The entries of the exchange days off that carry one class mark.
template <const char* mark>
std::string who_marked(const TagCall& c) {
    const std::string all = who<&DaySchedule::kto_wolne>(c);
    std::string kept;
    size_t from = 0;
    while (from <= all.size()) {
        size_t end = all.find(", ", from);
        if (end == std::string::npos) end = all.size();
        const std::string entry = all.substr(from, end - from);
        if (entry.find(mark) != std::string::npos) kept += (kept.empty() ? "" : ", ") + entry;
        from = end + 2;
    }
    while (!kept.empty() && (kept.back() == ' ' || kept.back() == ',')) kept.pop_back();
    return kept;
}

constexpr char kSundayMark[] = "w_za_sw";
constexpr char kFiveDayMark[] = "w_za_5d";
constexpr char kSaturdayMark[] = "w_za_so";
constexpr char kHolidayMark[] = "w_za_ho";

int duties_on(const TagCall& c, const CalendarDay& day) {
    const Group* g = c.group();
    const size_t shifts = g ? g->profile.shifts.size() : 0;
    const size_t n = std::min(shifts, day.shift_counts.size());
    return std::accumulate(day.shift_counts.begin(), day.shift_counts.begin() + n, 0);
}

std::string duties_count(const TagCall& c) {
    const CalendarDay* day = c.day();
    return day ? std::to_string(duties_on(c, *day)) : std::string();
}

// The busiest day of the Monday-to-Sunday week around the day, within the month.
std::string week_max_duties(const TagCall& c) {
    if (!c.day()) return {};
    const auto& days = c.calendar().days;
    int first = c.ctx.at.day;
    while (first > 0 && days[first].weekday != kMonday) --first;
    int most = 0;
    for (int i = first; i < static_cast<int>(days.size()); ++i) {
        if (i > first && days[i].weekday == kMonday) break;
        most = std::max(most, duties_on(c, days[i]));
    }
    return std::to_string(most);
}

template <std::string (*name)(int)>
std::string weekday(const TagCall& c) {
    const CalendarDay* day = c.day();
    return day ? c.text(name(day->weekday)) : std::string();
}

const std::array kDay = {
    TagEntry{"day_no", "dzien_nr",
             [](const TagCall& c) { return c.day() ? std::to_string(c.ctx.at.day + 1) : ""; }},
    TagEntry{"day_name", "dzien_nazwa", weekday<weekday_name>},
    TagEntry{"day_name_short", "dzien_nazwa_krotka", weekday<weekday_name_short>},
    TagEntry{"day_note", "dzien_uwagi",
             [](const TagCall& c) { return c.day() ? c.text(c.day()->kalendarz_notatki) : ""; }},
    TagEntry{"day_class_title", "dzien_klasa_tytul",
             [](const TagCall& c) { return c.day() ? c.day()->day_code : ""; }},
    TagEntry{"day_class", "dzien_klasa",
             [](const TagCall& c) { return c.day() ? "d" + c.day()->day_code : ""; }},
    TagEntry{"day_who_8", "dzien_kto_8", who<&DaySchedule::kto_8>},
    TagEntry{"day_who_least", "dzien_kto_dopr", who<&DaySchedule::kto_dopr>},
    TagEntry{"day_who_other", "dzien_kto_inny", who<&DaySchedule::kto_inny>},
    TagEntry{"day_who_holiday", "dzien_kto_urlopy", who<&DaySchedule::kto_urlopy>},
    TagEntry{"day_who_dayoff", "dzien_kto_wolne", who<&DaySchedule::kto_wolne>},
    TagEntry{"day_who_dayoff_1", "dzien_kto_wolne_1", who_marked<kSundayMark>},
    TagEntry{"day_who_dayoff_5", "dzien_kto_wolne_5", who_marked<kFiveDayMark>},
    TagEntry{"day_who_dayoff_7", "dzien_kto_wolne_7", who_marked<kSaturdayMark>},
    TagEntry{"day_who_dayoff_s", "dzien_kto_wolne_s", who_marked<kHolidayMark>},
    TagEntry{"day_who_zwolnienia", "dzien_kto_zwolnienia", who<&DaySchedule::kto_zwolnienia>},
    TagEntry{"day_who_other_dayoff", "dzien_kto_inne_wolne", who<&DaySchedule::kto_inne_wolne>},
    TagEntry{"day_duties_count", "dzien_ile_dyz", duties_count},
    TagEntry{"day_max_duties_week", "dzien_max_dyz_tydz", week_max_duties},
};

}  // namespace

std::span<const TagEntry> day_tags() {
    return kDay;
}

}  // namespace tabrel
