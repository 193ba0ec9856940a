#include <gtest/gtest.h>

#include <filesystem>

#include "app/program_folders.h"
#include "app/user_templates.h"
#include "support/test_support.h"

namespace tabrel {
namespace {

namespace fs = std::filesystem;

// An installed copy's prefix: bin/ and the shipped files' folder beside it.
fs::path make_prefix(const test::TempDir& dir) {
    const fs::path bin = dir / "prefix" / "bin";
    fs::create_directories(bin);
    fs::create_directories(installed_resource_folder(bin));
    return bin;
}

TEST(ProgramFolders, APortableCopyKeepsEverythingBesideItself) {
    test::TempDir dir;
    const UserEnvironment env{"/home/ala", ""};
    const auto folders = choose_program_folders(dir.path(), true, env);
    ASSERT_TRUE(folders);
    EXPECT_EQ(folders->work, dir.path());
    EXPECT_EQ(folders->resources, dir.path());
    // Without a home folder too: nothing is written outside the program's folder.
    EXPECT_TRUE(choose_program_folders(dir.path(), true, UserEnvironment{}));
}

TEST(ProgramFolders, AnInstalledCopyWorksInTheUsersDataFolderEvenWhenBinIsWritable) {
    test::TempDir dir;
    const fs::path bin = make_prefix(dir);
    const auto folders = choose_program_folders(bin, true, UserEnvironment{"/home/ala", ""});
    ASSERT_TRUE(folders);
    EXPECT_EQ(folders->work, fs::path("/home/ala/.local/share/Tabrel"));
    EXPECT_EQ(folders->resources, (dir / "prefix" / "share" / "tabrel"));
}

TEST(ProgramFolders, AReadOnlyCopyWritesToTheUserButReadsItsOwnFiles) {
    test::TempDir dir;
    const auto folders =
        choose_program_folders(dir.path(), false, UserEnvironment{"/home/ala", ""});
    ASSERT_TRUE(folders);
    EXPECT_EQ(folders->work, fs::path("/home/ala/.local/share/Tabrel"));
    EXPECT_EQ(folders->resources, dir.path());

    // Data already beside it stay in use.
    fs::create_directory(dir / "dane");
    EXPECT_EQ(choose_program_folders(dir.path(), false, UserEnvironment{"/home/ala", ""})->work,
              dir.path());
}

TEST(ProgramFolders, TheUsersDataFolderFollowsXdgDataHomeThenHome) {
    EXPECT_EQ(user_data_folder({"/home/ala", "/srv/dane"}), fs::path("/srv/dane/Tabrel"));
    // A relative XDG_DATA_HOME is ignored, as the XDG rules ask.
    EXPECT_EQ(user_data_folder({"/home/ala", "dane"}), fs::path("/home/ala/.local/share/Tabrel"));
    EXPECT_EQ(user_data_folder({"", "/srv/dane"}), fs::path("/srv/dane/Tabrel"));
    EXPECT_FALSE(user_data_folder({"", ""}));
    EXPECT_FALSE(user_data_folder({"ala", ""}));
    test::TempDir dir;
    EXPECT_FALSE(choose_program_folders(make_prefix(dir), true, UserEnvironment{}));
    EXPECT_FALSE(choose_program_folders(dir.path(), false, UserEnvironment{"", "x"}));
}

struct UserTemplates : ::testing::Test {
    test::TempDir dir;
    ProgramFolders folders{dir / "user", dir / "shipped"};
    test::FakePrompter prompter;

    void SetUp() override {
        fs::create_directories(folders.resources / "templates");
        test::spit(folders.resources / "templates" / "karta.wzr", "karta\r\n");
        test::spit(folders.resources / "templates" / "plan.wzr", "plan\r\n");
    }
};

TEST_F(UserTemplates, TheFirstStartCopiesTheShippedTemplatesAndLaterStartsTouchNothing) {
    // A first start cut short left a partial copy aside.
    fs::create_directories(folders.work / ".templates.new");
    test::spit(folders.work / ".templates.new" / "karta.wzr", "ka");
    copy_shipped_templates(folders, prompter);
    EXPECT_TRUE(prompter.errors.empty());
    EXPECT_EQ(test::slurp(folders.work / "templates" / "karta.wzr"), "karta\r\n");
    EXPECT_EQ(test::slurp(folders.work / "templates" / "plan.wzr"), "plan\r\n");
    EXPECT_FALSE(fs::exists(folders.work / ".templates.new"));

    // The user's edit and removal stand through the next start.
    test::spit(folders.work / "templates" / "karta.wzr", "moja karta\r\n");
    fs::remove(folders.work / "templates" / "plan.wzr");
    copy_shipped_templates(folders, prompter);
    EXPECT_EQ(test::slurp(folders.work / "templates" / "karta.wzr"), "moja karta\r\n");
    EXPECT_FALSE(fs::exists(folders.work / "templates" / "plan.wzr"));
    EXPECT_TRUE(prompter.errors.empty());
}

TEST_F(UserTemplates, APortableCopyCopiesNothing) {
    const ProgramFolders portable(folders.resources);
    copy_shipped_templates(portable, prompter);
    EXPECT_EQ(std::distance(fs::directory_iterator(folders.resources), {}), 1);
    EXPECT_TRUE(prompter.errors.empty());
}

TEST_F(UserTemplates, AWorkFolderThatCannotHoldTemplatesIsReported) {
    test::spit(folders.work, "a file where the folder should be");
    copy_shipped_templates(folders, prompter);
    ASSERT_EQ(prompter.errors.size(), 1u);
    EXPECT_NE(prompter.errors[0].find((folders.work / "templates").string()), std::string::npos);
    EXPECT_EQ(test::slurp(folders.work), "a file where the folder should be");
}

TEST_F(UserTemplates, ANamedTemplateIsTheUsersOneBeforeTheShippedOne) {
    fs::create_directories(folders.work / "templates");
    test::spit(folders.work / "templates" / "karta.wzr", "moja karta\r\n");
    EXPECT_EQ(find_named_template(folders, "karta.wzr"), folders.work / "templates" / "karta.wzr");
    EXPECT_EQ(find_named_template(folders, "plan.wzr"),
              folders.resources / "templates" / "plan.wzr");
    EXPECT_FALSE(find_named_template(folders, "brak.wzr"));
}

}  // namespace
}  // namespace tabrel
