#include "printouts/template_token.h"

#include <algorithm>

namespace tabrel {

namespace {

// Tab, CR, blank, the ASCII punctuation that ends a tag name, and cp1250 "„ ‹ ” ›".
constexpr std::string_view kDelimiters = "\t\r \"()*+,-./;<>?@[]\\^~\x84\x8B\x94\x9B";

bool is_delimiter(char c) {
    return kDelimiters.find(c) != std::string_view::npos;
}

constexpr char kFieldSeparator = '\xA4';

}  // namespace

std::string ascii_lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = ascii_lower(c);
    return out;
}

TemplateToken read_token(std::string_view text, size_t start) {
    bool bar_seen = false;
    bool quoted = false;
    const size_t from = std::min(start, text.size());
    size_t i = from;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '\'' || c == '|') quoted = false;
            continue;
        }
        if (bar_seen && c == '\'') {
            quoted = true;
            continue;
        }
        if (is_delimiter(c)) break;
        if (c == '|') bar_seen = true;
    }
    const std::string_view token = text.substr(from, i - from);
    TemplateToken result;
    result.text = token.find(kFieldSeparator) == std::string_view::npos ? ascii_lower(token)
                                                                        : std::string(token);
    result.end = i;
    return result;
}

std::string_view trim_controls(std::string_view text) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace tabrel
