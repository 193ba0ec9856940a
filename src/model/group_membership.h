#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tabrel {

// A worker's group membership, stored as "3|5|": group ids each followed by "|". Parsed once
// when read; the text is written back exactly as read until a group is added or removed.
// A part that is no group number (blank, a word, a number beyond 65535, one with a leading
// zero) or that no "|" closes stays in the text and names no group.
class GroupMembership {
public:
    GroupMembership() = default;
    // The stored text, parsed; converting, so a text may stand wherever a membership is meant.
    GroupMembership(std::string text);
    GroupMembership(const char* text) : GroupMembership(std::string(text)) {}

    // Each id followed by "|", without repeats.
    static GroupMembership of(const std::vector<uint16_t>& ids);

    const std::string& text() const { return text_; }
    // The group ids in stored order; an id stored twice is listed twice.
    const std::vector<uint16_t>& ids() const { return ids_; }
    bool contains(uint16_t id) const;
    // The ids the worker dialog ticks: every part split at "|", closed or not, a number of up
    // to five digits from 1 to 65535, leading zeros allowed. It differs from `ids` only for
    // texts no program writes ("1|5", "05|").
    const std::vector<uint16_t>& listed_ids() const { return listed_; }

    // Adds "id|" unless the group is listed already, before an unclosed last part.
    void add(uint16_t id);
    // Takes every part naming the group out, and the blank parts with it; what stays is
    // written each closed part followed by "|", an unclosed last part left unclosed. Nothing
    // changes when the group is not listed.
    void remove(uint16_t id);

    bool operator==(const GroupMembership& other) const { return text_ == other.text_; }
    bool operator==(const std::string& text) const { return text_ == text; }
    bool operator==(const char* text) const { return text_ == text; }

private:
    std::string text_;
    std::vector<uint16_t> ids_;
    std::vector<uint16_t> listed_;
};

}  // namespace tabrel
