#pragma once

#include <QString>
#include <string_view>

namespace tabrel {

// The core's cp1250 text as a Qt string.
QString qt_text(std::string_view cp1250);

}  // namespace tabrel
