#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "model/colour.h"

namespace tabrel {

// The ¤-separated line files (grupy.ini, kadra.ini): one record per line, fields separated by
// the byte 0xA4, the first field a record tag. Texts are cp1250.

constexpr char kFieldSeparator = '\xA4';

// The lines of a text ended by CR LF or LF; no empty line is made after the last line end.
std::vector<std::string> split_lines(std::string_view text);
// The lines, each ended by CR LF.
std::string join_lines(const std::vector<std::string>& lines);

// The fields of a line: empty fields in the middle survive, empty fields at the end vanish.
std::vector<std::string> split_fields(std::string_view line);

// Value forms. The parsers throw ConversionError for a text that is not such a value.
int64_t parse_integer(std::string_view text, int64_t min, int64_t max);
double parse_fraction(std::string_view text);  // "," and "." both separate decimals
Colour parse_colour(std::string_view text);
// Shortest decimal text of up to 15 significant digits: 100, 87,5.
std::string fraction_text(double value, char decimal_separator);

// Reads the fields of one line into a record that may already hold values (the reading buffer):
// a field the line is too short to have leaves its target untouched.
class FieldReader {
public:
    explicit FieldReader(std::string_view line) : fields_(split_fields(line)) {}

    bool missing(size_t i) const { return i >= fields_.size(); }
    bool empty(size_t i) const { return missing(i) || fields_[i].empty(); }
    const std::string& at(size_t i) const { return fields_[i]; }

    // Missing or empty keeps the target.
    template <typename T>
    void integer(size_t i, T& target) const {
        if (empty(i)) return;
        target = static_cast<T>(parse_integer(fields_[i], std::numeric_limits<T>::min(),
                                              std::numeric_limits<T>::max()));
    }
    // Missing keeps the target; exactly "1" is true, anything else (empty too) false.
    void boolean(size_t i, bool& target) const;
    // Missing keeps the target; an empty field reads as empty.
    void text(size_t i, std::string& target) const;
    // Missing keeps the target; a present field must be a colour, an empty one is not.
    void colour(size_t i, Colour& target) const;
    // Missing or empty keeps the target.
    void fraction(size_t i, double& target) const;

private:
    std::vector<std::string> fields_;
};

// Builds one line field by field. Bytes that would split a field (0xA4, CR, LF) are written
// as spaces, so no text can shift the fields after it.
class LineWriter {
public:
    explicit LineWriter(std::string_view tag) { text(tag); }

    LineWriter& integer(int64_t value);
    LineWriter& boolean(bool value);
    LineWriter& text(std::string_view value);
    LineWriter& colour(Colour value);
    LineWriter& fraction(double value, char decimal_separator);

    const std::string& line() const { return line_; }

private:
    std::string line_;
    bool first_ = true;
};

}  // namespace tabrel
