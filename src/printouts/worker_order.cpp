#include "printouts/worker_order.h"

#include <unicode/coll.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <memory>
#include <string>
#include <tuple>

#include "i18n/cp1250.h"

namespace tabrel {

namespace {

std::unique_ptr<icu::Collator> polish_collator() {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Collator> collator(
        icu::Collator::createInstance(icu::Locale("pl", "PL"), status));
    if (U_FAILURE(status)) return nullptr;
    collator->setStrength(icu::Collator::SECONDARY);  // accents count, letter case does not
    return collator;
}

bool covered_by_day_off(const Worker& w, int day) {
    for (const DayOff& off : w.days_off) {
        if (off.seq != 0 && off.from_day <= day + 1 && day + 1 <= off.to_day) return true;
    }
    return false;
}

}  // namespace

WorkerSort worker_sort(std::string_view attributes) {
    std::string text(attributes);
    std::erase(text, '"');
    if (text == "sort=name") return WorkerSort::Name;
    if (text == "sort=duty_from") return WorkerSort::DutyFrom;
    return WorkerSort::List;
}

std::vector<int> workers_by_name(const Roster& roster, const std::vector<int>& list) {
    const auto collator = polish_collator();
    std::vector<std::pair<icu::UnicodeString, size_t>> keys;
    for (size_t i = 0; i < list.size(); ++i) {
        const Worker& w = roster.workers[static_cast<size_t>(list[i])];
        keys.emplace_back(icu::UnicodeString::fromUTF8(cp1250_to_utf8(w.nazwisko + " " + w.imie)),
                          i);
    }
    std::stable_sort(keys.begin(), keys.end(), [&](const auto& a, const auto& b) {
        if (!collator) return a.first.caseCompare(b.first, 0) < 0;
        UErrorCode status = U_ZERO_ERROR;
        return collator->compare(a.first, b.first, status) == UCOL_LESS;
    });
    std::vector<int> order;
    for (const auto& key : keys) order.push_back(list[key.second]);
    return order;
}

std::vector<int> workers_by_duty_from(const Roster& roster, const std::vector<int>& list, int day) {
    if (day < 0 || day >= kMonthSlots) return {};
    std::vector<std::tuple<int, int, size_t>> keys;
    for (size_t i = 0; i < list.size(); ++i) {
        const Worker& w = roster.workers[static_cast<size_t>(list[i])];
        const Duty& duty = w.duties[static_cast<size_t>(day)];
        if (duty.seq != 0) {
            keys.emplace_back(duty.start, duty.duration, i);
        } else if (covered_by_day_off(w, day)) {
            keys.emplace_back(0, 0, i);
        }
    }
    std::sort(keys.begin(), keys.end());
    std::vector<int> order;
    for (const auto& key : keys) order.push_back(list[std::get<2>(key)]);
    return order;
}

}  // namespace tabrel
