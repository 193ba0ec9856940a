#include "model/colour.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cstdio>

namespace tabrel {

namespace {

struct NamedColour {
    const char* name;
    Colour value;
};

constexpr Colour sys(uint32_t index) { return 0x80000000u | index; }

// The sixteen basic colours come first so that a value with a plain and a system name
// is written by its plain name.
constexpr std::array<NamedColour, 48> kNames{{
    {"clBlack", rgb(0, 0, 0)},
    {"clMaroon", rgb(128, 0, 0)},
    {"clGreen", rgb(0, 128, 0)},
    {"clOlive", rgb(128, 128, 0)},
    {"clNavy", rgb(0, 0, 128)},
    {"clPurple", rgb(128, 0, 128)},
    {"clTeal", rgb(0, 128, 128)},
    {"clGray", rgb(128, 128, 128)},
    {"clSilver", rgb(192, 192, 192)},
    {"clRed", rgb(255, 0, 0)},
    {"clLime", rgb(0, 255, 0)},
    {"clYellow", rgb(255, 255, 0)},
    {"clBlue", rgb(0, 0, 255)},
    {"clFuchsia", rgb(255, 0, 255)},
    {"clAqua", rgb(0, 255, 255)},
    {"clWhite", rgb(255, 255, 255)},
    {"clScrollBar", sys(0)},
    {"clBackground", sys(1)},
    {"clActiveCaption", sys(2)},
    {"clInactiveCaption", sys(3)},
    {"clMenu", sys(4)},
    {"clWindow", sys(5)},
    {"clWindowFrame", sys(6)},
    {"clMenuText", sys(7)},
    {"clWindowText", sys(8)},
    {"clCaptionText", sys(9)},
    {"clActiveBorder", sys(10)},
    {"clInactiveBorder", sys(11)},
    {"clAppWorkSpace", sys(12)},
    {"clHighlight", sys(13)},
    {"clHighlightText", sys(14)},
    {"clBtnFace", sys(15)},
    {"clBtnShadow", sys(16)},
    {"clGrayText", sys(17)},
    {"clBtnText", sys(18)},
    {"clInactiveCaptionText", sys(19)},
    {"clBtnHighlight", sys(20)},
    {"cl3DDkShadow", sys(21)},
    {"cl3DLight", sys(22)},
    {"clInfoText", sys(23)},
    {"clInfoBk", sys(24)},
    {"clHotLight", sys(26)},
    {"clGradientActiveCaption", sys(27)},
    {"clGradientInactiveCaption", sys(28)},
    {"clMenuHighlight", sys(29)},
    {"clMenuBar", sys(30)},
    {"clNone", clNone},
    {"clDefault", 0x20000000u},
}};

bool equal_ignoring_case(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

template <typename T>
std::optional<T> parse_whole(std::string_view text, int base) {
    T value{};
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

std::string colour_to_text(Colour c) {
    for (const auto& named : kNames) {
        if (named.value == c) return named.name;
    }
    char buf[16];
    std::snprintf(buf, sizeof buf, "$%08X", static_cast<unsigned>(c));
    return buf;
}

std::optional<Colour> colour_from_text(std::string_view text) {
    if (text.empty()) return std::nullopt;
    for (const auto& named : kNames) {
        if (equal_ignoring_case(named.name, text)) return named.value;
    }
    if (text[0] == '$') {
        if (text.size() < 2 || text.size() > 9) return std::nullopt;
        return parse_whole<uint32_t>(text.substr(1), 16);
    }
    // Decimal numbers may be negative (a system colour written as a signed 32-bit value).
    if (auto v = parse_whole<int64_t>(text, 10); v && *v >= INT32_MIN && *v <= UINT32_MAX)
        return static_cast<Colour>(*v);
    return std::nullopt;
}

}  // namespace tabrel
