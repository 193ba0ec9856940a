#include <gtest/gtest.h>

#include "i18n/cp1250.h"
#include "i18n/text.h"
#include "storage/language_file.h"
#include "support/test_support.h"

namespace tabrel {
namespace {

namespace fs = std::filesystem;
using test::spit;

// A program folder with lang/polski.lng; the installed texts are emptied after each test.
struct LanguageFiles : ::testing::Test {
    test::TempDir program;

    void SetUp() override {
        fs::create_directory(program / "lang");
        spit(program / "lang" / "polski.lng",
             "[main]\r\ncharset=238\r\n"
             "[MESSAGES]\r\nmsg_Exit = Zamkn\xB9\xE6?\r\n"
             "[h]\r\nmsg_Exit=a hint, not a message\r\nsb_Ok=Zatwierdza\r\n"
             "[f_MainForm]\r\nst_NormaTitle=Dni: %s\r\nmsg_Exit=caption of the window\r\n"
             "[MostUsedValues]\r\nmuv_Educations=Wy\xBF"
             "sze\xA4\r\n");
    }
    void TearDown() override { language_texts().clear(); }
};

TEST_F(LanguageFiles, TheListChoosesByIndexOrBySystemLanguage) {
    EXPECT_EQ(language_name(0, true), "english");
    EXPECT_EQ(language_name(1, false), "polski");
    EXPECT_EQ(language_name(-1, true), "polski");
    EXPECT_EQ(language_name(-1, false), "english");
    EXPECT_EQ(language_name(7, true), "polski");
    EXPECT_EQ(language_file_path("/opt/tabrel", "english"),
              fs::path("/opt/tabrel/lang/english.lng"));
}

TEST_F(LanguageFiles, MessagesWinOverWindowTextsAndHintsStayApart) {
    const Result<LanguageFile> file = choose_language(program.path(), 1, false);
    ASSERT_TRUE(file);
    EXPECT_TRUE(file.status().message().empty());
    EXPECT_EQ(tr("msg_Exit", "Czy na pewno zamknąć program?"), "Zamkn\xB9\xE6?");
    EXPECT_EQ(tr("st_NormaTitle", "Dni robocze: %s"), "Dni: %s");
    EXPECT_EQ(tr("muv_Educations", "x"), "Wy\xBFsze\xA4");
    EXPECT_EQ(tr("msg_GroupNeed", "Najpierw należy utworzyć grupę."),
              cp("Najpierw należy utworzyć grupę."));
    EXPECT_EQ(tr("charset", "none"), "none");
    EXPECT_EQ(file->hint("sb_Ok"), "Zatwierdza");
    EXPECT_EQ(file->hint("SB_OK"), "Zatwierdza");
    EXPECT_FALSE(file->hint("sb_Cancel"));
    EXPECT_EQ(file->text("f_mainform", "msg_Exit"), "caption of the window");
}

// The file reader trims values, so texts joined to a name or a number would run into it.
TEST_F(LanguageFiles, BlanksAtTheEndsOfTheDefaultAreKeptAndNoOthersAdded) {
    spit(program / "lang" / "english.lng",
         "[messages]\r\nmsg_CannotReadFile=Cannot read the file \r\nmsg_DayOffCut2= to \r\n"
         "msg_CustomizeList=    *** customize ***\r\nmsg_GroupNeed=  Add a group first.\r\n");
    ASSERT_TRUE(choose_language(program.path(), 0, true));
    EXPECT_EQ(tr("msg_CannotReadFile", "Nie można odczytać pliku ") + "a.dat",
              "Cannot read the file a.dat");
    EXPECT_EQ("5" + tr("msg_DayOffCut2", " na ") + "7", "5 to 7");
    EXPECT_EQ(tr("msg_CustomizeList", "  *** dostosuj ***"), "  *** customize ***");
    EXPECT_EQ(tr("msg_GroupNeed", "Najpierw należy utworzyć grupę."), "Add a group first.");
}

TEST_F(LanguageFiles, AMissingFileIsToldWithItsFullPathAndChangesNoText) {
    ASSERT_TRUE(choose_language(program.path(), 1, false));
    const Result<LanguageFile> missing = choose_language(program.path(), 0, true);
    EXPECT_FALSE(missing);
    EXPECT_EQ(missing.status().message(), cp("Brak pliku z wybraną wersją językową: ") + "\n\r" +
                                              (program / "lang" / "english.lng").string());
    EXPECT_EQ(tr("msg_Exit", "Czy na pewno zamknąć program?"), "Zamkn\xB9\xE6?");
}

TEST_F(LanguageFiles, ANewFileReplacesEveryTextOfTheOldOne) {
    ASSERT_TRUE(choose_language(program.path(), 1, false));
    spit(program / "lang" / "english.lng", "[messages]\r\nmsg_GroupNeed=Add a group first.\r\n");
    ASSERT_TRUE(choose_language(program.path(), 0, true));
    EXPECT_EQ(tr("msg_GroupNeed", "x"), "Add a group first.");
    EXPECT_EQ(tr("msg_Exit", "Czy na pewno zamknąć program?"), cp("Czy na pewno zamknąć program?"));
}

// The shipped files: Polish repeats the built-in texts, English translates every key of it.
TEST(ShippedLanguageFiles, EnglishHasEveryKeyOfPolish) {
    const fs::path lang = fs::path(TABREL_TEST_DATA) / ".." / ".." / "lang";
    const IniFile polski = IniFile::parse(test::slurp(lang / "polski.lng"));
    const IniFile english = IniFile::parse(test::slurp(lang / "english.lng"));
    EXPECT_EQ(polski.value("messages", "msg_ConfirmBackupRestore"),
              cp("Istniejąca kopia zapasowa dla wybranego miesiąca pochodzi z: %s %s Czy ją "
                 "przywrócić? %s%s By ewentualnie przywrócić obecne dane ponownie uruchom "
                 "\"odzyskiwanie danych\"."));
    EXPECT_EQ(english.value("f_Login", "f_Login"), "Tabrel - login");
    for (const char* section : {"messages", "f_MainForm", "f_Login", "h", "MostUsedValues"}) {
        EXPECT_FALSE(polski.keys(section).empty()) << section;
        for (const std::string& key : polski.keys(section))
            EXPECT_TRUE(english.has_key(section, key)) << section << " " << key;
    }
}

}  // namespace
}  // namespace tabrel
