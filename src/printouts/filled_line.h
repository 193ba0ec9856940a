#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "printouts/generation_context.h"

namespace tabrel {

// One line of output: the template's own text and the values of its tags, in order, so that
// the rich-text writer can set the values apart.
struct FilledLine {
    struct Piece {
        std::string text;
        bool value = false;  // the value of a tag
    };
    std::vector<Piece> pieces;

    std::string text() const;
};

// Replaces every value tag "@_token" of `text` by gen_zamien's value in the context `ctx.at`;
// a token that names no tag disappears with its marker.
FilledLine gen_wypelnij_linie(std::string_view text, GenerationContext& ctx);

}  // namespace tabrel
