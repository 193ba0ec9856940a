#pragma once

#include <map>
#include <string>
#include <string_view>

namespace tabrel {

// Texts of the loaded language file by key (cp1250); empty while none is loaded.
std::map<std::string, std::string>& language_texts();

// A caption or message by key: the language file's text, else the built-in Polish default
// (written in the source as UTF-8). The file's text gets the default's blanks at either end.
// Looked up at the moment of use so a language switch applies.
std::string tr(std::string_view key, std::string_view polish_utf8);

}  // namespace tabrel
