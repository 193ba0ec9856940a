#include <gtest/gtest.h>

#include "app/tell_user.h"
#include "support/test_support.h"

namespace tabrel {
namespace {

// A result holds its value or its failure; notices are told by kind in the order they arose,
// and a failure without words is not told at all.
TEST(Status, ResultsAndNoticesReachTheUserAsTheyWereReturned) {
    const Result<int> made = 7, refused = Status::failure("b");
    EXPECT_TRUE(made && made.value() == 7 && made.status().ok());
    EXPECT_FALSE(refused);
    Notices notices;
    notices.add(Status());
    notices.inform("a");
    EXPECT_TRUE(notices);
    notices.add(refused.status());
    notices.add(Status::failure(""));
    notices.inform("c");
    EXPECT_FALSE(notices);
    test::FakePrompter prompter;
    tell(prompter, notices);
    tell(prompter, Status::failure("d"));
    EXPECT_EQ(prompter.informed, (std::vector<std::string>{"a", "c"}));
    EXPECT_EQ(prompter.errors, (std::vector<std::string>{"b", "d"}));
}

}  // namespace
}  // namespace tabrel
