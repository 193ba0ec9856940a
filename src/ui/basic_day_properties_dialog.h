#pragma once

#include "worktime/day_properties.h"

class QWidget;

namespace tabrel {

// A plain "Dzień - parametry" dialog: the day's notes, the emergency duty and the holiday
// reset. True when closed with OK, after the day has been stored through the core.
bool show_day_properties(QWidget* parent, DayProperties& properties, NormStatus& status);

}  // namespace tabrel
