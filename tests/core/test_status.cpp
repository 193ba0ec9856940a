#include <gtest/gtest.h>

#include "app/tell_user.h"
#include "base/notices.h"
#include "base/status.h"
#include "support/test_support.h"

namespace tabrel {
namespace {

TEST(Status, AResultHoldsItsValueOrTheFailureThatStoppedIt) {
    const Result<int> made = 7;
    ASSERT_TRUE(made);
    EXPECT_EQ(made.value(), 7);
    EXPECT_TRUE(made.status().ok());
    const Result<int> refused = Status::failure("Nie mo\xBFna");
    EXPECT_FALSE(refused);
    EXPECT_EQ(refused.status().message(), "Nie mo\xBFna");
}

// The window and the CLI both show through tell(): errors as errors, information as notices,
// in the order they arose, and a failure without words not at all.
TEST(Status, NoticesAreToldInOrderByKind) {
    Notices later;
    later.inform("c");
    later.add(Status::failure(""));
    Notices notices;
    notices.add(Status());
    EXPECT_TRUE(notices);
    notices.inform("a");
    EXPECT_TRUE(notices);
    notices.add(Status::failure("b"));
    notices.add(later);
    EXPECT_FALSE(notices);
    test::FakePrompter prompter;
    tell(prompter, notices);
    tell(prompter, Status::failure("d"));
    tell(prompter, Status());
    EXPECT_EQ(prompter.informed, (std::vector<std::string>{"a", "c"}));
    EXPECT_EQ(prompter.errors, (std::vector<std::string>{"b", "d"}));
}

}  // namespace
}  // namespace tabrel
