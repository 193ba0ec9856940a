#pragma once

#include <string_view>

namespace tabrel {

// Qt's own texts (the standard buttons, the colour and file dialogs) in the chosen language:
// Polish from the system's Qt translations, English built in. A missing translation leaves them
// in English.
void use_qt_translations(std::string_view language_name);

}  // namespace tabrel
