#include "printouts/rtf_writer.h"

#include <cstdio>
#include <string_view>

namespace tabrel {

namespace {

constexpr std::string_view kEol = "|eol|";

void escape_char(char c, std::string& out) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\\' || c == '{' || c == '}') {
        out += '\\';
        out += c;
    } else if (c == '\t') {
        out += "\\tab ";
    } else if (byte >= 0x80) {
        char hex[5];
        std::snprintf(hex, sizeof hex, "\\'%02x", byte);
        out += hex;
    } else if (byte >= ' ') {
        out += c;
    }
}

// Text with its line breaks ("\r\n", "\r", "\n" or "|eol|") as paragraph breaks.
void escape_text(std::string_view text, std::string& out) {
    for (size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, kEol.size(), kEol) == 0) {
            out += "\\par\r\n";
            i += kEol.size() - 1;
        } else if (text[i] == '\r' || text[i] == '\n') {
            out += "\\par\r\n";
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            escape_char(text[i], out);
        }
    }
}

std::string font_table_name(const std::string& name) {
    std::string out;
    for (char c : name) {
        if (c != ';') escape_char(c, out);
    }
    return out;
}

}  // namespace

std::string rtf_document(const std::vector<FilledLine>& lines, const std::string& font_name,
                         int font_size) {
    std::string out = "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fnil\\fcharset238 " +
                      font_table_name(font_name) + ";}}\r\n\\viewkind4\\uc1\\pard\\f0\\fs" +
                      std::to_string(font_size * 2) + " ";
    for (const FilledLine& line : lines) {
        for (const FilledLine::Piece& piece : line.pieces) {
            if (piece.value) out += "{\\b ";
            escape_text(piece.text, out);
            if (piece.value) out += "}";
        }
        out += "\\par\r\n";
    }
    out += "}\r\n";
    return out;
}

}  // namespace tabrel
