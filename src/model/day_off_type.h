#pragma once

#include <array>
#include <optional>
#include <string>

namespace tabrel {

// One kind of day off. The letter is what files store; name, symbol and norm flag are the
// built-in defaults that the configuration may replace. Texts are cp1250.
struct DayOffType {
    char letter;
    std::string name;
    std::string symbol;
    bool lowers_norm;
    bool norm_editable;
};

constexpr int kDayOffTypeCount = 22;

// The letter of "Bez dyżuru": it marks no day as covered.
constexpr char kNoDutyLetter = '\xBF';
// An empty kind read from a file means "Inny".
constexpr char kOtherLetter = 'i';

enum DayOffIndex {
    kNoDuty = 0,
    kAnnualLeave = 1,
    kChildCare = 6,
    kRehabilitation = 14,
    kOnDemand = 15,
};

// The 22 kinds in their fixed order; the position is the kind's index everywhere.
const std::array<DayOffType, kDayOffTypeCount>& day_off_types();

// Index of a kind letter, nothing for an unknown letter.
std::optional<int> day_off_index(char letter);

// Whether each kind's hours count toward the norm, by kind index.
using NormFlags = std::array<bool, kDayOffTypeCount>;

// The built-in flag of every kind.
NormFlags built_in_norm_flags();

}  // namespace tabrel
