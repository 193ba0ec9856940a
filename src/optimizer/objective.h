#pragma once

#include <vector>

#include "optimizer/linear_model.h"
#include "optimizer/ward.h"

namespace tabrel {

// The weights of the goals, each far above the next: heads missing from the required
// staffing, then the distance from the norm, then fair nights and weekends, then the
// worker's wishes and the rhythm of the month before.
namespace weight {
inline constexpr double kShortMinute = 100;
inline constexpr double kUnderNormMinute = 10;
inline constexpr double kOverNormMinute = 12;
inline constexpr double kUnfairDuty = 200;
inline constexpr double kWishLevel = 20;
inline constexpr double kOffRhythm = 10;
}  // namespace weight

// Adds the goal columns and rows; the choices are columns 0.. and get their own costs.
void add_objective(const Ward& ward, LinearModel& model);

// Minutes missing from the required staffing with the choices given.
long shortfall_minutes(const Ward& ward, const std::vector<bool>& given);

}  // namespace tabrel
