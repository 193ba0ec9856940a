#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tabrel {

// The core keeps every text as Windows code page 1250 bytes; these helpers are the edges.

// Every cp1250 byte has a UTF-8 form, except the five unassigned ones, which become U+FFFD.
std::string cp1250_to_utf8(std::string_view cp1250);

// Nothing when the text holds a character cp1250 cannot store (input is refused, not mangled).
std::optional<std::string> utf8_to_cp1250(std::string_view utf8);

// For built-in texts written in the source as UTF-8: they are all representable by construction.
std::string cp(std::string_view utf8);

}  // namespace tabrel
