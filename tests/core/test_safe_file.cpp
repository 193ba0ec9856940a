#include <gtest/gtest.h>

#include <filesystem>

#include "storage/safe_file.h"
#include "support/test_support.h"

namespace tabrel {
namespace {

namespace fs = std::filesystem;

size_t entries_in(const fs::path& folder) {
    return static_cast<size_t>(std::distance(fs::directory_iterator(folder), {}));
}

TEST(SafeFile, WritesReplacesAndKeepsPermissionsLeavingNoTemporaryFile) {
    test::TempDir dir;
    const auto file = dir / "grupy.ini";
    ASSERT_TRUE(write_file_atomic(file, std::string("a\0\xA4\r\n", 5)));
    EXPECT_EQ(test::slurp(file), std::string("a\0\xA4\r\n", 5));

    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(write_file_atomic(file, "new"));
    EXPECT_EQ(read_file(file), "new");
    EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(entries_in(dir.path()), 1u);

    ASSERT_TRUE(write_file_atomic(file, ""));
    EXPECT_EQ(read_file(file), "");
}

TEST(SafeFile, FailureIsReportedAndLeavesTheTargetAsItWas) {
    test::TempDir dir;
    const Status missing = write_file_atomic(dir / "missing" / "x.ini", "data");
    EXPECT_FALSE(missing);
    EXPECT_NE(missing.message().find("x.ini"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "missing"));

    const auto folder = dir / "kadra.inr";
    fs::create_directory(folder);
    test::spit(folder / "inside", "kept");
    const Status over_folder = write_file_atomic(folder, "data");
    EXPECT_FALSE(over_folder);
    EXPECT_FALSE(over_folder.message().empty());
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_EQ(test::slurp(folder / "inside"), "kept");
    EXPECT_EQ(entries_in(dir.path()), 1u);
}

TEST(SafeFile, ReadGivesNothingForMissingFilesAndFolders) {
    test::TempDir dir;
    EXPECT_FALSE(read_file(dir / "none"));
    EXPECT_FALSE(read_file(dir.path()));
    std::string big(200000, 'x');
    big[150000] = '\0';
    test::spit(dir / "big", big);
    EXPECT_EQ(read_file(dir / "big"), big);
}

TEST(SafeFile, ReplaceFileMovesOverTheOldName) {
    test::TempDir dir;
    test::spit(dir / "a.tmp", "new");
    test::spit(dir / "a", "old");
    ASSERT_TRUE(replace_file(dir / "a.tmp", dir / "a"));
    EXPECT_EQ(test::slurp(dir / "a"), "new");
    EXPECT_FALSE(fs::exists(dir / "a.tmp"));
    EXPECT_FALSE(replace_file(dir / "a.tmp", dir / "a"));
    EXPECT_EQ(test::slurp(dir / "a"), "new");
}

}  // namespace
}  // namespace tabrel
