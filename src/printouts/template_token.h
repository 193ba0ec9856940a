#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tabrel {

// The block-tag brackets of templates: cp1250 "‹" and "›".
inline constexpr char kOpenBracket = '\x8B';
inline constexpr char kCloseBracket = '\x9B';

// A tag token of a template and where it ends in the text it was read from.
struct TemplateToken {
    std::string text;  // lower-cased unless it holds "¤"
    size_t end = 0;    // position of the first character after the token
};

// Reads the token that starts at `start`: the run of characters up to the first delimiter.
// Once a "|" has occurred, apostrophes quote a part in which delimiters do not end the token.
TemplateToken read_token(std::string_view text, size_t start);

constexpr char ascii_lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// ASCII letters lower-cased, every other byte kept (block and tag names are ASCII).
std::string ascii_lower(std::string_view text);

// Blanks and control characters removed from both ends.
std::string_view trim_controls(std::string_view text);

}  // namespace tabrel
