#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tabrel {

// Windows-profile text (cp1250): sections and keys found without regard to letter case,
// values trimmed. Writing a key updates it in place or appends it, and keeps every other
// section, key and line of the text where it was.
class IniFile {
public:
    struct Entry {
        std::string name;
        std::string value;
        int line;  // 1-based
    };

    static IniFile parse(std::string_view text);
    // Profile integer semantics of one value text, as read_integer applies them.
    static int integer_value(std::string_view text, int fallback);

    bool has_section(std::string_view section) const;
    bool has_key(std::string_view section, std::string_view key) const;
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string read_string(std::string_view section, std::string_view key,
                            std::string_view fallback) const;
    // Profile integer semantics: a missing or non-numeric value gives the fallback; leading
    // digits count ("12abc" is 12).
    int read_integer(std::string_view section, std::string_view key, int fallback) const;
    std::vector<std::string> keys(std::string_view section) const;
    // The entries of a section in file order, for readers that look up many keys.
    std::vector<Entry> entries(std::string_view section) const;
    // The 1-based line of a key, 0 when it is missing.
    int line_number(std::string_view section, std::string_view key) const;

    // Line breaks in the value would start new lines, so they are written as spaces.
    void write_string(std::string_view section, std::string_view key, std::string_view value);
    void erase_section(std::string_view section);

    // The text with CR LF line ends.
    std::string text() const;

private:
    enum class Kind { Other, Section, Key };
    struct Line {
        std::string raw;
        Kind kind = Kind::Other;
        std::string name;   // section or key, trimmed
        std::string value;  // trimmed
    };
    static Line classify(std::string raw);
    // Index of the section's header line, lines_.size() when missing.
    size_t find_section(std::string_view section) const;
    // One past the section's last line.
    size_t section_end(size_t header) const;
    size_t find_key(std::string_view section, std::string_view key) const;

    std::vector<Line> lines_;
};

}  // namespace tabrel
