#include "printouts/filled_line.h"

#include "printouts/template_token.h"

namespace tabrel {

std::string FilledLine::text() const {
    std::string out;
    for (const Piece& piece : pieces) out += piece.text;
    return out;
}

FilledLine gen_wypelnij_linie(std::string_view text, GenerationContext& ctx) {
    FilledLine line;
    size_t from = 0;
    for (size_t at; (at = text.find("@_", from)) != std::string_view::npos;) {
        if (at > from) line.pieces.push_back({std::string(text.substr(from, at - from)), false});
        const TemplateToken token = read_token(text, at + 2);
        line.pieces.push_back({gen_zamien(token.text, ctx), true});
        from = token.end;
    }
    if (from < text.size()) line.pieces.push_back({std::string(text.substr(from)), false});
    return line;
}

}  // namespace tabrel
