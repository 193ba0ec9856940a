#include <gtest/gtest.h>

#include "storage/month_file_cache.h"
#include "storage/safe_file.h"
#include "support/test_support.h"

namespace tabrel {
namespace {

// A duty of group 1 for worker 5 on `day`, and the group's period mark; each file is as long
// as the others, so only the file's identity and time tell a new one from the one read.
std::string month_text(int day, int new_period) {
    return "[g1]\r\nNewPeriod=" + std::to_string(new_period) + "\r\n[dyzury]\r\nd1=1\xA4" +
           "5\xA4" + std::to_string(day) + "\xA4" + "720\xA4" + "1\xA4" + "420\xA4" + "0\xA4\xA4" +
           "0\r\n";
}

TEST(MonthFileCache, AFileSavedAnewIsReadAgain) {
    test::TempDir data;
    const auto file = data / "2024_05.tbr";
    MonthFileCache files;
    EXPECT_TRUE(files.entries(data.path(), 2024, 5).entries.duties.empty());
    for (const auto& [day, new_period] : {std::pair{3, 0}, {4, 1}, {5, 0}}) {
        ASSERT_TRUE(write_file_atomic(file, month_text(day, new_period)));
        const MonthEntriesResult& read = files.entries(data.path(), 2024, 5);
        ASSERT_EQ(read.entries.duties.size(), 1u) << read.error;
        EXPECT_EQ(read.entries.duties[0].day_no, day);
        EXPECT_EQ(files.opens_period(data.path(), 2024, 5, 1), new_period == 1);
        EXPECT_FALSE(files.opens_period(data.path(), 2024, 5, 2));
    }
    std::filesystem::remove(file);
    EXPECT_TRUE(files.entries(data.path(), 2024, 5).entries.duties.empty());
}

}  // namespace
}  // namespace tabrel
