#include "printouts/tag_call.h"

#include <cstdio>

#include "model/time_value.h"
#include "printouts/tag_html_escape.h"
#include "worktime/hour_split.h"

namespace tabrel {

namespace {

template <typename T>
const T* at_index(const std::vector<T>& items, int index) {
    if (index < 0 || index >= static_cast<int>(items.size())) return nullptr;
    return &items[static_cast<size_t>(index)];
}

}  // namespace

std::string TagCall::time_format() const {
    if (!text_time) return "htm";
    return std::string("txt") + ctx.switches.time_separator;
}

std::string TagCall::time(int64_t minutes) const {
    return min2h(minutes, time_format(), false);
}

std::string TagCall::clock(int64_t minutes) const {
    return min2h(minutes, time_format(), true);
}

std::string TagCall::text(std::string_view roster_text) const {
    if (ctx.type == OutputType::Html) return html_escape(roster_text);
    return std::string(roster_text);
}

std::string TagCall::decimal(const char* format, double value) const {
    char buf[64];
    std::snprintf(buf, sizeof buf, format, value);
    std::string out = buf;
    for (char& c : out) {
        if (c == '.') c = ctx.locale.decimal_separator();
    }
    return out;
}

const CalendarDay* TagCall::day() const {
    return at_index(calendar().days, ctx.at.day);
}

const Worker* TagCall::worker() const {
    return at_index(ctx.roster.workers, ctx.at.worker);
}

const Shift* TagCall::shift() const {
    const Group* g = group();
    return g ? at_index(g->profile.shifts, shift_number - 1) : nullptr;
}

const Shift* TagCall::first_shift() const {
    const Group* g = group();
    return g ? at_index(g->profile.shifts, 0) : nullptr;
}

const std::vector<DaySummary>& TagCall::rows() const {
    GenerationSwitches& s = ctx.switches;
    if (s.summary_worker != ctx.at.worker) {
        s.summary_rows = odswiez_pracownika(ctx.roster, ctx.options, ctx.at.worker, s.all_groups);
        s.summary_worker = ctx.at.worker;
    }
    return s.summary_rows;
}

const Worker* TagCall::summarised_worker() const {
    rows();
    return worker();
}

const DaySummary* TagCall::row() const {
    if (!day()) return nullptr;
    return at_index(rows(), ctx.at.day);
}

const DaySummary* TagCall::next_month_row() const {
    return at_index(rows(), static_cast<int>(calendar().days.size()));
}

std::vector<DaySchedule> TagCall::schedule() const {
    return przygotuj_rozklad(ctx.roster, ctx.switches.all_groups, ctx.type == OutputType::Html);
}

}  // namespace tabrel
