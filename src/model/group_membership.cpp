#include "model/group_membership.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>

namespace tabrel {

namespace {

constexpr char kBar = '|';

// The group a part names: a decimal number of at most 65535 written without a leading zero,
// so that a part names a group exactly when it is that group's id as text.
std::optional<uint16_t> group_id(std::string_view part) {
    if (part.empty() || (part.size() > 1 && part.front() == '0')) return std::nullopt;
    uint16_t id = 0;
    const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), id);
    if (error != std::errc{} || end != part.data() + part.size()) return std::nullopt;
    return id;
}

// The parts between the bars; a last part without its "|" counts as well.
template <typename Visit>
void for_each_part(std::string_view text, Visit visit) {
    size_t from = 0;
    while (from < text.size()) {
        const size_t bar = std::min(text.find(kBar, from), text.size());
        visit(text.substr(from, bar - from));
        from = bar + 1;
    }
}

}  // namespace

GroupMembership::GroupMembership(std::string text) : text_(std::move(text)) {
    for_each_part(text_, [this](std::string_view part) {
        if (auto id = group_id(part)) ids_.push_back(*id);
    });
}

GroupMembership GroupMembership::of(const std::vector<uint16_t>& ids) {
    GroupMembership membership;
    for (uint16_t id : ids) membership.add(id);
    return membership;
}

bool GroupMembership::contains(uint16_t id) const {
    return std::ranges::find(ids_, id) != ids_.end();
}

void GroupMembership::add(uint16_t id) {
    if (contains(id)) return;
    if (!text_.empty() && text_.back() != kBar) text_ += kBar;
    text_ += std::to_string(id) + kBar;
    ids_.push_back(id);
}

void GroupMembership::remove(uint16_t id) {
    if (!contains(id)) return;
    std::string kept;
    for_each_part(text_, [&](std::string_view part) {
        if (!part.empty() && group_id(part) != id) kept.append(part).push_back(kBar);
    });
    *this = GroupMembership(std::move(kept));
}

}  // namespace tabrel
