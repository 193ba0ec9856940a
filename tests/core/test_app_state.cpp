#include <gtest/gtest.h>

#include <filesystem>

#include "app/app_state.h"
#include "storage/data_folder_lock.h"
#include "storage/group_file.h"
#include "support/test_support.h"

namespace tabrel {
namespace {

namespace fs = std::filesystem;

TEST(DataFolderLock, RefusesASecondHolderUntilTheFirstIsGone) {
    test::TempDir dir;
    test::spit(dir / kLockFileName, "left by a crashed program");
    {
        DataFolderLock first(dir.path());
        EXPECT_EQ(first.status(), DataFolderLock::Status::Held);
        DataFolderLock second(dir.path());
        EXPECT_EQ(second.status(), DataFolderLock::Status::Busy);
    }
    DataFolderLock again(dir.path());
    EXPECT_EQ(again.status(), DataFolderLock::Status::Held);
    EXPECT_EQ(DataFolderLock(dir / "missing").status(), DataFolderLock::Status::Failed);
}

TEST(AppState, OpensTheDataFolderOnceAndMovesAStrayConfiguration) {
    test::TempDir program;
    test::FakePrompter prompter;
    Locale locale;
    test::spit(program / "konfiguracja.ini", "[glowne]\r\n");
    AppState first(program.path(), prompter, locale, system_clock());
    ASSERT_EQ(first.open_data_folder(), AppState::OpenResult::Ok);
    EXPECT_EQ(first.data_folder(), program / "dane");
    EXPECT_EQ(test::slurp(program / "dane" / "konfiguracja.ini"), "[glowne]\r\n");
    EXPECT_FALSE(fs::exists(program / "konfiguracja.ini"));
    EXPECT_TRUE(prompter.errors.empty());

    // A second start is refused and moves nothing.
    test::spit(program / "konfiguracja.ini", "newer");
    fs::remove(program / "dane" / "konfiguracja.ini");
    AppState second(program.path(), prompter, locale, system_clock());
    EXPECT_EQ(second.open_data_folder(), AppState::OpenResult::Locked);
    EXPECT_EQ(prompter.errors.size(), 1u);
    EXPECT_TRUE(fs::exists(program / "konfiguracja.ini"));
    EXPECT_FALSE(fs::exists(program / "dane" / "konfiguracja.ini"));
}

TEST(AppState, AConfigurationInTheDataFolderIsNeverOverwritten) {
    test::TempDir program;
    test::FakePrompter prompter;
    Locale locale;
    fs::create_directory(program / "dane");
    test::spit(program / "dane" / "konfiguracja.ini", "current");
    test::spit(program / "konfiguracja.ini", "stray");
    AppState app(program.path(), prompter, locale, system_clock());
    ASSERT_EQ(app.open_data_folder(), AppState::OpenResult::Ok);
    EXPECT_EQ(test::slurp(program / "dane" / "konfiguracja.ini"), "current");
    EXPECT_EQ(test::slurp(program / "konfiguracja.ini"), "stray");
}

TEST(AppState, UnusableDataFolderFails) {
    test::TempDir program;
    test::FakePrompter prompter;
    Locale locale;
    test::spit(program / "dane", "a file where the folder should be");
    AppState app(program.path(), prompter, locale, system_clock());
    EXPECT_EQ(app.open_data_folder(), AppState::OpenResult::Failed);
    EXPECT_EQ(prompter.errors.size(), 1u);
}

TEST(AppState, AFileWhoseLoadFailedIsNotSavedOver) {
    test::TempDir program;
    test::FakePrompter prompter;
    Locale locale;
    AppState app(program.path(), prompter, locale, system_clock());
    ASSERT_EQ(app.open_data_folder(), AppState::OpenResult::Ok);
    const std::string groups =
        "g\xA4"
        "1\xA4"
        "0\xA4"
        "0\xA4"
        "0\xA4"
        "0\xA4"
        "455\xA4"
        "0\xA4"
        "0\xA4"
        "0\xA4"
        "0\xA4"
        "A\xA4"
        "clRed\r\n"
        "g\xA4"
        "2\xA4"
        "0\xA4"
        "0\xA4"
        "0\xA4"
        "0\xA4"
        "455\xA4"
        "0\xA4"
        "0\xA4"
        "0\xA4"
        "0\xA4"
        "B\xA4"
        "\xA4"
        "0\r\n";
    test::spit(app.data_folder() / "grupy.ini", groups);

    app.load_staff();
    EXPECT_TRUE(app.staff_load().groups_failed);
    EXPECT_EQ(app.roster().groups.size(), 1u);
    ASSERT_EQ(prompter.errors.size(), 1u);
    EXPECT_NE(prompter.errors[0].find("grupy.ini, wiersz 2"), std::string::npos);

    Worker w;
    w.id = 1;
    w.nazwisko = "Nowak";
    app.roster().dodaj_pracow(w, false, 0);
    EXPECT_TRUE(app.save_staff());
    EXPECT_EQ(test::slurp(app.data_folder() / "grupy.ini"), groups);
    EXPECT_TRUE(fs::exists(app.data_folder() / "kadra.inr"));
    EXPECT_TRUE(app.save_staff());
    ASSERT_EQ(prompter.informed.size(), 1u);
    EXPECT_NE(prompter.informed[0].find("grupy.ini"), std::string::npos);
    EXPECT_EQ(prompter.informed[0].find("kadra"), std::string::npos);
    EXPECT_EQ(prompter.errors.size(), 1u);

    // After the file is mended the next load and save go through.
    test::spit(app.data_folder() / "grupy.ini", groups_file_text(app.roster().groups));
    app.load_staff();
    EXPECT_FALSE(app.staff_load().groups_failed || app.staff_load().staff_failed);
    EXPECT_EQ(app.roster().workers.size(), 1u);
    EXPECT_TRUE(app.save_staff());
    EXPECT_EQ(prompter.informed.size(), 1u);
}

}  // namespace
}  // namespace tabrel
