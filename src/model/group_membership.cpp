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

// The group a part names in the worker dialog's reading: up to five digits, leading zeros
// allowed, 1 to 65535.
std::optional<uint16_t> listed_id(std::string_view part) {
    if (part.empty() || part.size() > 5) return std::nullopt;
    if (!std::ranges::all_of(part, [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    unsigned long id = 0;
    std::from_chars(part.data(), part.data() + part.size(), id);
    if (id == 0 || id > UINT16_MAX) return std::nullopt;
    return static_cast<uint16_t>(id);
}

// The parts between the bars, each told whether a "|" closes it. Only a closed part names a
// group: a worker belongs to a group when "|" + text holds "|" + id + "|".
template <typename Visit>
void for_each_part(std::string_view text, Visit visit) {
    size_t from = 0;
    while (from < text.size()) {
        const size_t bar = text.find(kBar, from);
        if (bar == std::string_view::npos) return visit(text.substr(from), false);
        visit(text.substr(from, bar - from), true);
        from = bar + 1;
    }
}

// Where the unclosed last part begins (the text's end when every part is closed).
size_t open_tail(std::string_view text) {
    const size_t bar = text.rfind(kBar);
    return bar == std::string_view::npos ? 0 : bar + 1;
}

}  // namespace

GroupMembership::GroupMembership(std::string text) : text_(std::move(text)) {
    for_each_part(text_, [this](std::string_view part, bool closed) {
        if (auto id = group_id(part); id && closed) ids_.push_back(*id);
        if (auto id = listed_id(part)) listed_.push_back(*id);
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
    // Before an unclosed last part, which closing would turn into a membership.
    text_.insert(open_tail(text_), std::to_string(id) + kBar);
    *this = GroupMembership(std::move(text_));
}

void GroupMembership::remove(uint16_t id) {
    if (!contains(id)) return;
    std::string kept;
    for_each_part(text_, [&](std::string_view part, bool closed) {
        if (part.empty() || (closed && group_id(part) == id)) return;
        kept.append(part);
        if (closed) kept.push_back(kBar);
    });
    *this = GroupMembership(std::move(kept));
}

}  // namespace tabrel
