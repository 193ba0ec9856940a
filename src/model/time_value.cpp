#include "model/time_value.h"

#include <cstdio>
#include <limits>
#include <optional>

#include "i18n/format_text.h"
#include "i18n/text.h"

namespace tabrel {

namespace {

constexpr uint64_t kDay = 1440;

// Hours are padded to two digits; from 24 hours on they have at least two anyway.
// Written by hand: tile hints format thousands of times on every month switch.
std::string text_form(uint64_t v, char separator) {
    const uint64_t hours = v / 60, minutes = v % 60;
    std::string out = hours < 10 ? "0" : "";
    out += std::to_string(hours);
    out += separator;
    out += static_cast<char>('0' + minutes / 10);
    out += static_cast<char>('0' + minutes % 10);
    return out;
}

std::string html_form(uint64_t v) {
    if (v == 0) return "&nbsp;";
    std::string out = std::to_string(v / 60);
    if (v % 60 != 0) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "<sup>%.2llu</sup>",
                      static_cast<unsigned long long>(v % 60));
        out += buf;
    }
    return out;
}

bool is_blank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && is_blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && is_blank(s.back())) s.remove_suffix(1);
    return s;
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// A decimal integer with optional leading blanks and sign, nothing after the digits.
std::optional<int64_t> parse_integer(std::string_view s) {
    while (!s.empty() && is_blank(s.front())) s.remove_prefix(1);
    bool negative = false;
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty() || s.size() > 12) return std::nullopt;
    int64_t value = 0;
    for (char c : s) {
        if (!is_digit(c)) return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

[[noreturn]] void fail(std::string_view input, std::string_view key, std::string_view polish) {
    std::string text(input);
    throw TimeConversionError(text, format_text(tr(key, polish), {text}));
}

int64_t integer_of(std::string_view part, std::string_view input) {
    if (auto v = parse_integer(part)) return *v;
    fail(input, "msg_InvalidInteger", "'%s' nie jest poprawną liczbą całkowitą.");
}

}  // namespace

std::string min2h(int64_t minutes, std::string_view format, bool wrap) {
    const uint64_t a = minutes < 0 ? 0 - static_cast<uint64_t>(minutes) : minutes;
    char separator = ':';
    std::string_view key = format;
    if (format.size() > 3) {
        separator = format[3];
        key = format.substr(0, 3);
    }
    uint64_t v = wrap ? a % kDay : a;
    if (a > 0 && v == 0) v = kDay;
    std::string text = key == "htm" ? html_form(v) : text_form(v, separator);
    if (minutes < 0) text.insert(text.begin(), '-');
    return text;
}

TimeValue h2min(std::string_view input) {
    std::string_view text = trim(input);
    if (text.empty() || text == ":") text = "0";
    const int sign = text.front() == '-' ? -1 : 1;
    // A leading colon is kept: ":30" means thirty minutes, not thirty hours.
    if (!is_digit(text.front()) && text.front() != ':') text.remove_prefix(1);

    int64_t result = 0;
    const size_t colon = text.find(':');
    if (colon == std::string_view::npos) {
        result = integer_of(text, input) * 60 * sign;
    } else {
        std::string_view hours = trim(text.substr(0, colon));
        std::string_view minutes = trim(text.substr(colon + 1, 2));
        if (hours.empty()) hours = "0";
        if (minutes.empty()) minutes = "0";
        result = (integer_of(hours, input) * 60 + integer_of(minutes, input)) * sign;
    }
    if (result < std::numeric_limits<TimeValue>::min() ||
        result > std::numeric_limits<TimeValue>::max())
        fail(input, "msg_TimeOutOfRange",
             "Wartość '%s' wykracza poza zakres od -546:08 do 546:07.");
    return static_cast<TimeValue>(result);
}

}  // namespace tabrel
