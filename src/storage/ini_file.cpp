#include "storage/ini_file.h"

#include <cctype>
#include <climits>

namespace tabrel {

namespace {

// A stray CR (a line ended CR CR LF) counts as a blank: kept in a value it would be written
// back as a space and the value would change at the next save.
std::string trim(std::string_view text) {
    const char* blanks = " \t\r";
    size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    size_t last = text.find_last_not_of(blanks);
    return std::string(text.substr(first, last - first + 1));
}

// Lower case of a cp1250 byte, Polish and other Central European letters included.
unsigned char lower_cp1250(unsigned char c) {
    if (c < 0x80) return static_cast<unsigned char>(std::tolower(c));
    switch (c) {
        case 0x8A:
        case 0x8C:
        case 0x8D:
        case 0x8E:
        case 0x8F:
            return c + 0x10;
        case 0xA3:
            return 0xB3;
        case 0xA5:
            return 0xB9;
        case 0xAA:
            return 0xBA;
        case 0xAF:
            return 0xBF;
        case 0xBC:
            return 0xBE;
        default:
            break;
    }
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
    return c;
}

bool same_name(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (lower_cp1250(static_cast<unsigned char>(a[i])) !=
            lower_cp1250(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

std::string one_line(std::string_view value) {
    std::string text(value);
    for (char& c : text) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return text;
}

}  // namespace

IniFile::Line IniFile::classify(std::string raw) {
    Line line;
    std::string body = trim(raw);
    if (!body.empty() && body.front() == '[') {
        size_t close = body.find(']');
        if (close != std::string::npos) {
            line.kind = Kind::Section;
            line.name = trim(std::string_view(body).substr(1, close - 1));
        }
    } else if (!body.empty() && body.front() != ';') {
        size_t eq = body.find('=');
        if (eq != std::string::npos && eq > 0) {
            line.kind = Kind::Key;
            line.name = trim(std::string_view(body).substr(0, eq));
            line.value = trim(std::string_view(body).substr(eq + 1));
        }
    }
    line.raw = std::move(raw);
    return line;
}

IniFile IniFile::parse(std::string_view text) {
    IniFile ini;
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view raw = text.substr(0, end);
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
        ini.lines_.push_back(classify(std::string(raw)));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return ini;
}

size_t IniFile::find_section(std::string_view section) const {
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind == Kind::Section && same_name(lines_[i].name, section)) return i;
    }
    return lines_.size();
}

size_t IniFile::section_end(size_t header) const {
    size_t i = header + 1;
    while (i < lines_.size() && lines_[i].kind != Kind::Section) ++i;
    return i;
}

size_t IniFile::find_key(std::string_view section, std::string_view key) const {
    size_t header = find_section(section);
    if (header == lines_.size()) return lines_.size();
    size_t end = section_end(header);
    for (size_t i = header + 1; i < end; ++i) {
        if (lines_[i].kind == Kind::Key && same_name(lines_[i].name, key)) return i;
    }
    return lines_.size();
}

bool IniFile::has_section(std::string_view section) const {
    return find_section(section) != lines_.size();
}

bool IniFile::has_key(std::string_view section, std::string_view key) const {
    return find_key(section, key) != lines_.size();
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    size_t i = find_key(section, key);
    if (i == lines_.size()) return std::nullopt;
    return lines_[i].value;
}

std::string IniFile::read_string(std::string_view section, std::string_view key,
                                 std::string_view fallback) const {
    return value(section, key).value_or(std::string(fallback));
}

int IniFile::read_integer(std::string_view section, std::string_view key, int fallback) const {
    auto text = value(section, key);
    return text ? integer_value(*text, fallback) : fallback;
}

int IniFile::integer_value(std::string_view text, int fallback) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long long number = 0;
    size_t digits = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i, ++digits) {
        number = number * 10 + (text[i] - '0');
        if (number > static_cast<long long>(INT_MAX) + 1) return fallback;
    }
    if (digits == 0) return fallback;
    if (negative) number = -number;
    if (number > INT_MAX || number < INT_MIN) return fallback;
    return static_cast<int>(number);
}

std::vector<std::string> IniFile::keys(std::string_view section) const {
    std::vector<std::string> names;
    size_t header = find_section(section);
    if (header == lines_.size()) return names;
    size_t end = section_end(header);
    for (size_t i = header + 1; i < end; ++i) {
        if (lines_[i].kind == Kind::Key) names.push_back(lines_[i].name);
    }
    return names;
}

std::vector<IniFile::Entry> IniFile::entries(std::string_view section) const {
    std::vector<Entry> found;
    size_t header = find_section(section);
    if (header == lines_.size()) return found;
    size_t end = section_end(header);
    for (size_t i = header + 1; i < end; ++i) {
        if (lines_[i].kind == Kind::Key)
            found.push_back({lines_[i].name, lines_[i].value, static_cast<int>(i + 1)});
    }
    return found;
}

int IniFile::line_number(std::string_view section, std::string_view key) const {
    size_t i = find_key(section, key);
    return i == lines_.size() ? 0 : static_cast<int>(i + 1);
}

void IniFile::write_string(std::string_view section, std::string_view key, std::string_view value) {
    if (size_t i = find_key(section, key); i != lines_.size()) {
        lines_[i] = classify(lines_[i].name + "=" + one_line(value));
        return;
    }
    Line line = classify(std::string(key) + "=" + one_line(value));
    size_t header = find_section(section);
    if (header == lines_.size()) {
        lines_.push_back(classify("[" + std::string(section) + "]"));
        lines_.push_back(std::move(line));
        return;
    }
    // After the section's last entry, so that blank lines before the next section stay there.
    size_t at = section_end(header);
    while (at > header + 1 && lines_[at - 1].kind == Kind::Other &&
           trim(lines_[at - 1].raw).empty())
        --at;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

void IniFile::erase_section(std::string_view section) {
    size_t header = find_section(section);
    if (header == lines_.size()) return;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(header),
                 lines_.begin() + static_cast<std::ptrdiff_t>(section_end(header)));
}

std::string IniFile::text() const {
    std::string out;
    for (const auto& line : lines_) out += line.raw + "\r\n";
    return out;
}

}  // namespace tabrel
