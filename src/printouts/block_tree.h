#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tabrel {

// One node of a parsed template body: a block with its own text (the text before its first
// inner block) and its inner blocks, or plain text: kind "" before a block, "0" after one.
struct BlockNode {
    std::string kind;  // "day", "worker", "shift", "group", "overt", "law", another name, "" or "0"
    std::string text;
    std::string attributes;
    std::vector<BlockNode> children;
};

using BlockTree = std::vector<BlockNode>;

// A text split at its first block tag "‹_name attributes›".
struct TagSplit {
    std::string_view before;  // trimmed
    std::string kind;         // the name, aliases mapped ("dzien" is "day" ...)
    std::string_view attributes;
    std::string_view enclosed;  // up to the closing "‹/name›"; empty when there is none
    std::string_view after;     // trimmed; empty when there is no closing tag
};

TagSplit wyciagnij_tag(std::string_view text);

// Parses the blocks of `text` and appends them to `nodes`. Nesting deeper than a bound keeps
// the deeper blocks as literal text rather than exhausting the stack.
void drzewo_kreator(std::string_view text, std::vector<BlockNode>& nodes);

}  // namespace tabrel
