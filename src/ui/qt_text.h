#pragma once

#include <QString>
#include <string_view>

namespace tabrel {

// The core's cp1250 text as a Qt string.
QString qt_text(std::string_view cp1250);

// A message of the core as a message box shows it: the core breaks lines with CR LF or a lone
// CR, which a message box does not break on.
QString qt_message_text(std::string_view cp1250);

}  // namespace tabrel
