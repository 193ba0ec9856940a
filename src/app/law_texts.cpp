#include "app/law_texts.h"

#include "model/shown_month.h"
#include "model/time_value.h"
#include "worktime/law_moment.h"

namespace tabrel {

std::string law_moment_text(const Roster& roster, const Locale& locale, int64_t minutes) {
    const YearMonth shown = shown_year_month(roster);
    const LawMoment m = law_moment(shown.year, shown.month, minutes);
    return locale.short_date(m.year, m.month, m.day) + " " + min2h(m.minute_of_day, "txt", true);
}

std::string law_finding_line(const LawFinding& f, const Roster& roster, const Locale& locale) {
    return law_moment_text(roster, locale, f.start) + ": " + law_finding_text(f);
}

}  // namespace tabrel
