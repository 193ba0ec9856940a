#include "storage/line_file.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "storage/conversion_error.h"

namespace tabrel {

namespace {

std::string_view trim_spaces(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

}  // namespace

std::vector<std::string> split_lines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::string join_lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

std::vector<std::string> split_fields(std::string_view line) {
    std::vector<std::string> fields;
    for (;;) {
        size_t end = line.find(kFieldSeparator);
        fields.emplace_back(line.substr(0, end));
        if (end == std::string_view::npos) break;
        line.remove_prefix(end + 1);
    }
    while (!fields.empty() && fields.back().empty()) fields.pop_back();
    return fields;
}

int64_t parse_integer(std::string_view text, int64_t min, int64_t max) {
    std::string_view digits = trim_spaces(text);
    if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
    int64_t value = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size() ||
        value < min || value > max)
        throw ConversionError(std::string(text), ConversionError::Kind::Integer);
    return value;
}

double parse_fraction(std::string_view text) {
    std::string number(trim_spaces(text));
    for (char& c : number) {
        if (c == ',') c = '.';
    }
    double value = 0;
    auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (number.empty() || ec != std::errc() || end != number.data() + number.size() ||
        !std::isfinite(value))
        throw ConversionError(std::string(text), ConversionError::Kind::Fraction);
    return value;
}

Colour parse_colour(std::string_view text) {
    auto colour = colour_from_text(trim_spaces(text));
    if (!colour) throw ConversionError(std::string(text), ConversionError::Kind::Colour);
    return *colour;
}

std::string fraction_text(double value, char decimal_separator) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15G", value);
    std::string text = buf;
    for (char& c : text) {
        if (c == '.') c = decimal_separator;
    }
    return text;
}

void FieldReader::boolean(size_t i, bool& target) const {
    if (!missing(i)) target = fields_[i] == "1";
}

void FieldReader::text(size_t i, std::string& target) const {
    if (!missing(i)) target = fields_[i];
}

void FieldReader::colour(size_t i, Colour& target) const {
    if (!missing(i)) target = parse_colour(fields_[i]);
}

void FieldReader::fraction(size_t i, double& target) const {
    if (!empty(i)) target = parse_fraction(fields_[i]);
}

LineWriter& LineWriter::integer(int64_t value) {
    return text(std::to_string(value));
}

LineWriter& LineWriter::boolean(bool value) {
    return text(value ? "1" : "0");
}

LineWriter& LineWriter::text(std::string_view value) {
    if (!first_) line_ += kFieldSeparator;
    first_ = false;
    for (char c : value) line_ += (c == kFieldSeparator || c == '\r' || c == '\n') ? ' ' : c;
    return *this;
}

LineWriter& LineWriter::colour(Colour value) {
    return text(colour_to_text(value));
}

LineWriter& LineWriter::fraction(double value, char decimal_separator) {
    return text(fraction_text(value, decimal_separator));
}

}  // namespace tabrel
