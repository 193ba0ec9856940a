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
    static IniFile parse(std::string_view text);

    bool has_section(std::string_view section) const;
    bool has_key(std::string_view section, std::string_view key) const;
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string read_string(std::string_view section, std::string_view key,
                            std::string_view fallback) const;
    // Profile integer semantics: a missing or non-numeric value gives the fallback.
    int read_integer(std::string_view section, std::string_view key, int fallback) const;
    std::vector<std::string> keys(std::string_view section) const;

    void write_string(std::string_view section, std::string_view key, std::string_view value);
    void erase_section(std::string_view section);

    // The text with CR LF line ends.
    std::string text() const;

private:
    struct Line {
        std::string raw;
    };
    std::vector<Line> lines_;
};

}  // namespace tabrel
