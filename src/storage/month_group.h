#pragma once

#include <string>

#include "model/group.h"
#include "storage/ini_file.h"

namespace tabrel {

// The shown month's own settings of a group from its "g" + id section of the month file; the
// group's defaults where the file has none. A hand norm that no month norm can be (below 0 or
// beyond what a time value holds) throws ConversionError located in `file_name`, so that every
// reader of a month refuses it alike and the file is not saved over.
void read_month_group(const IniFile& file, const std::string& file_name, Group& g);

}  // namespace tabrel
