#include "base/year_month.h"

namespace tabrel {

YearMonth next_month(YearMonth shown) {
    if (shown.month == 12) return {shown.year + 1, 1};
    return {shown.year, shown.month + 1};
}

YearMonth previous_month(YearMonth shown) {
    if (shown.month == 1) return {shown.year - 1, 12};
    return {shown.year, shown.month - 1};
}

}  // namespace tabrel
