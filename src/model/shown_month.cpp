#include "model/shown_month.h"

namespace tabrel {

YearMonth shown_year_month(const Roster& roster) {
    return {roster.shown_year, roster.shown_month + 1};
}

void show_year_month(Roster& roster, YearMonth shown) {
    roster.shown_year = static_cast<uint16_t>(shown.year);
    roster.shown_month = static_cast<uint8_t>(shown.month - 1);
}

}  // namespace tabrel
