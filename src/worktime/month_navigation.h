#pragma once

#include <string>

#include "base/year_month.h"

namespace tabrel {

// The month selector's item (cp1250): "Styczeń" ... "Grudzień".
std::string month_name(int month);

}  // namespace tabrel
