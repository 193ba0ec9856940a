#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "printouts/generation_context.h"
#include "printouts/schedule_texts.h"

namespace tabrel {

// One value tag being answered: the generation it belongs to, the token's modifiers and the
// argument of a numbered or lettered name, with the lookups every family needs.
struct TagCall {
    GenerationContext& ctx;
    bool text_time = false;  // the token ended in ":"
    int shift_number = 0;    // 1-based shift of a shift tag; 0 when none applies
    std::string letters;     // day-off kind letters of a lettered name

    // The min2h format of the token: "htm", or "txt" with the time separator.
    std::string time_format() const;
    // A duration in the token's format; a clock time, taken modulo one day.
    std::string time(int64_t minutes) const;
    std::string clock(int64_t minutes) const;
    // Text from the roster or the configuration, HTML-escaped for type "htm".
    std::string text(std::string_view roster_text) const;
    // A number in the locale's decimal form, printf-style ("%f", "%g").
    std::string decimal(const char* format, double value) const;

    const Group* group() const { return ctx.roster.current(); }
    const MonthCalendar& calendar() const { return ctx.roster.calendar; }
    // Nothing when the context has no day or no worker, or it lies outside the month or list.
    const CalendarDay* day() const;
    const Worker* worker() const;
    // Shift `shift_number` of the current group; nothing outside its table.
    const Shift* shift() const;
    const Shift* first_shift() const;

    // The worker's month summary and day rows, recomputed unless they were computed for this
    // worker earlier in the generation. Nothing without a worker.
    const Worker* summarised_worker() const;
    const DaySummary* row() const;             // the context's day
    const DaySummary* next_month_row() const;  // the first day of the next month
    const std::vector<DaySummary>& rows() const;

    // The schedule texts as they stand now, names escaped for "htm".
    std::vector<DaySchedule> schedule() const;
};

// The value of one tag name of the dictionary.
using TagValue = std::string (*)(const TagCall&);

// What a name may carry after its base: nothing, a shift number, or day-off kind letters.
enum class TagSuffix { none, shift_number, kind_letters };

// One row of the dictionary: the English name, its Polish name (empty when it has none) and
// the value.
struct TagEntry {
    std::string_view english;
    std::string_view polish;
    TagValue value;
    TagSuffix suffix = TagSuffix::none;
};

}  // namespace tabrel
