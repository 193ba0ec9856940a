#pragma once

#include <string>
#include <string_view>

namespace tabrel {

// A TEXT property value from roster text: cp1250 turned into UTF-8, then "\", ";", "," and
// line breaks escaped. Other control characters are not allowed in a value and become blanks.
std::string ical_text_value(std::string_view cp1250);

// One content line ("NAME;PARAM=x:value", UTF-8) folded at 75 octets without cutting a
// character, each physical line ended by CR LF.
std::string ical_content_line(std::string_view line);

}  // namespace tabrel
