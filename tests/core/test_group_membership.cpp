#include <gtest/gtest.h>

#include <vector>

#include "model/group_membership.h"

namespace tabrel {
namespace {

struct MembershipCase {
    const char* stored;
    std::vector<uint16_t> ids;
    uint16_t removed;
    const char* after_remove;
    uint16_t added;
    const char* after_add;
};

const MembershipCase kCases[] = {
    {"3|5|", {3, 5}, 3, "5|", 7, "3|5|7|"},
    {"", {}, 4, "", 4, "4|"},
    {"13|5", {13}, 13, "5", 1, "13|1|5"},
    {"|5|", {5}, 1, "|5|", 5, "|5|"},
    {"5||x|05|7", {5}, 5, "x|05|7", 9, "5||x|05|9|7"},
    {"5|5|", {5, 5}, 5, "", 5, "5|5|"},
    {"70000|65535|0|", {65535, 0}, 65535, "70000|0|", 4464, "70000|65535|0|4464|"},
};

// Stored text comes back byte for byte; after a change the parsed ids still match the text.
TEST(GroupMembership, ParsesOnceAndWritesBackWhatItRead) {
    for (const MembershipCase& c : kCases) {
        SCOPED_TRACE(c.stored);
        const GroupMembership m = c.stored;
        EXPECT_EQ(m.text(), c.stored);
        EXPECT_EQ(m.ids(), c.ids);
        for (uint16_t id : c.ids) EXPECT_TRUE(m.contains(id));
        EXPECT_FALSE(m.contains(4464));

        GroupMembership removed = m;
        removed.remove(c.removed);
        EXPECT_EQ(removed.text(), c.after_remove);
        EXPECT_FALSE(removed.contains(c.removed));
        EXPECT_EQ(removed.ids(), GroupMembership(removed.text()).ids());

        GroupMembership added = m;
        added.add(c.added);
        EXPECT_EQ(added.text(), c.after_add);
        EXPECT_TRUE(added.contains(c.added));
        EXPECT_EQ(added.ids(), GroupMembership(added.text()).ids());
    }
    EXPECT_EQ(GroupMembership::of({3, 5, 3}), "3|5|");
    EXPECT_EQ(GroupMembership("5||x|05|7|70000|0|3").listed_ids(),
              (std::vector<uint16_t>{5, 5, 7, 3}));
}

}  // namespace
}  // namespace tabrel
