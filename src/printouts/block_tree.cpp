#include "printouts/block_tree.h"

#include <algorithm>
#include <array>
#include <utility>

#include "printouts/template_token.h"

namespace tabrel {

namespace {

constexpr std::string_view kBlockTag = "\x8B_";
constexpr int kMaxNesting = 64;

std::string canonical_kind(std::string name) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kAliases{{
        {"dzien", "day"},
        {"prac", "worker"},
        {"zmiana", "shift"},
        {"grupa", "group"},
        {"nadgodz", "overt"},
        {"kontrola", "law"},
    }};
    for (const auto& [alias, kind] : kAliases) {
        if (name == alias) return std::string(kind);
    }
    return name;
}

// The first "‹/name›" at or after `from`, the name compared without regard to letter case.
size_t find_closing(std::string_view text, const std::string& name, size_t from) {
    const std::string closing = std::string("\x8B/") + name + "\x9B";
    const auto same = [](char a, char b) { return ascii_lower(a) == ascii_lower(b); };
    const auto found =
        std::search(text.begin() + static_cast<std::ptrdiff_t>(std::min(from, text.size())),
                    text.end(), closing.begin(), closing.end(), same);
    return found == text.end() ? std::string_view::npos : static_cast<size_t>(found - text.begin());
}

void add_plain(std::vector<BlockNode>& nodes, std::string kind, std::string_view text) {
    nodes.push_back(BlockNode{std::move(kind), std::string(text), {}, {}});
}

void parse(std::string_view text, std::vector<BlockNode>& nodes, int depth) {
    while (text.find(kBlockTag) != std::string_view::npos) {
        const TagSplit split = wyciagnij_tag(text);
        if (!split.before.empty()) add_plain(nodes, "", split.before);
        if (!split.enclosed.empty()) {
            BlockNode block{split.kind, {}, std::string(split.attributes), {}};
            const size_t inner = split.enclosed.find(kBlockTag);
            if (inner == std::string_view::npos || depth >= kMaxNesting) {
                block.text = std::string(split.enclosed);
            } else {
                block.text = std::string(trim_controls(split.enclosed.substr(0, inner)));
                parse(split.enclosed.substr(inner), block.children, depth + 1);
            }
            nodes.push_back(std::move(block));
        }
        // What follows the block stays at its level, after it, in document order.
        if (split.after.empty()) return;
        const bool more_blocks = split.after.find(kBlockTag) != std::string_view::npos;
        add_plain(nodes, "0", more_blocks ? std::string_view() : split.after);
        text = split.after;
    }
}

}  // namespace

TagSplit wyciagnij_tag(std::string_view text) {
    TagSplit split;
    const size_t at = text.find(kBlockTag);
    if (at == std::string_view::npos) {
        split.before = trim_controls(text);
        return split;
    }
    split.before = trim_controls(text.substr(0, at));
    const TemplateToken name = read_token(text, at + kBlockTag.size());
    const size_t bracket = text.find(kCloseBracket, name.end);
    split.attributes = trim_controls(text.substr(name.end, bracket - std::min(bracket, name.end)));
    if (bracket != std::string_view::npos) {
        const size_t close = find_closing(text, name.text, bracket + 1);
        if (close != std::string_view::npos) {
            split.enclosed = text.substr(bracket + 1, close - bracket - 1);
            split.after = trim_controls(text.substr(close + name.text.size() + 3));
        }
    }
    split.kind = canonical_kind(name.text);
    return split;
}

void drzewo_kreator(std::string_view text, std::vector<BlockNode>& nodes) {
    parse(text, nodes, 0);
}

}  // namespace tabrel
