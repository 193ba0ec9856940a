#include <gtest/gtest.h>

#include "storage/ini_file.h"

namespace tabrel {
namespace {

TEST(IniFile, FindsSectionsAndKeysWhateverTheirCaseAndTrimsValues) {
    auto ini = IniFile::parse(
        "; comment\r\n"
        " [Glowne] \r\n"
        "  Dyz8 =  455 \r\n"
        "firma=Szpital  Miejski\n"
        "empty=\r\n"
        "dyz8=999\r\n"
        "[urlop_nazwa]\r\n"
        "\xAF=Bez\r\n");
    EXPECT_TRUE(ini.has_section("GLOWNE"));
    EXPECT_FALSE(ini.has_section("comment"));
    EXPECT_EQ(ini.value("glowne", "DYZ8"), "455");
    EXPECT_EQ(ini.read_string("glowne", "firma", "x"), "Szpital  Miejski");
    EXPECT_EQ(ini.read_string("glowne", "empty", "x"), "");
    EXPECT_EQ(ini.read_string("glowne", "missing", "x"), "x");
    EXPECT_EQ(ini.read_string("urlop_nazwa", "\xBF", "x"), "Bez");  // ż finds Ż
    EXPECT_FALSE(ini.has_key("urlop_nazwa", "dyz8"));
    EXPECT_EQ(ini.keys("glowne"), (std::vector<std::string>{"Dyz8", "firma", "empty", "dyz8"}));
    EXPECT_EQ(ini.line_number("glowne", "firma"), 4);
    EXPECT_EQ(ini.line_number("glowne", "none"), 0);
}

TEST(IniFile, IntegersFollowTheProfileRules) {
    auto ini = IniFile::parse(
        "[a]\r\nplain=42\r\nneg=-7\r\nlead=12abc\r\nword=abc\r\nempty=\r\n"
        "huge=99999999999\r\nplus=+3\r\n");
    EXPECT_EQ(ini.read_integer("a", "plain", 1), 42);
    EXPECT_EQ(ini.read_integer("a", "neg", 1), -7);
    EXPECT_EQ(ini.read_integer("a", "lead", 1), 12);
    EXPECT_EQ(ini.read_integer("a", "word", 1), 1);
    EXPECT_EQ(ini.read_integer("a", "empty", 1), 1);
    EXPECT_EQ(ini.read_integer("a", "huge", 1), 1);
    EXPECT_EQ(ini.read_integer("a", "plus", 1), 3);
    EXPECT_EQ(ini.read_integer("a", "missing", 5), 5);
}

TEST(IniFile, WritingUpdatesInPlaceAppendsToTheSectionAndKeepsEveryOtherLine) {
    auto ini = IniFile::parse(
        "; keep me\n"
        "[glowne]\n"
        "DYZ8 = 455\n"
        "firma=A\n"
        "\n"
        "[wydruki]\n"
        "osoby=10\n");
    ini.write_string("Glowne", "firma", "Szpital\r\nnr 2");
    ini.write_string("glowne", "lang", "1");
    ini.write_string("wydruki", "osoby", "12");
    ini.write_string("normatyw", "test", "1");
    EXPECT_EQ(ini.text(),
              "; keep me\r\n"
              "[glowne]\r\n"
              "DYZ8 = 455\r\n"
              "firma=Szpital  nr 2\r\n"
              "lang=1\r\n"
              "\r\n"
              "[wydruki]\r\n"
              "osoby=12\r\n"
              "[normatyw]\r\n"
              "test=1\r\n");
    EXPECT_EQ(IniFile::parse(ini.text()).read_integer("normatyw", "test", 0), 1);

    ini.erase_section("GLOWNE");
    EXPECT_EQ(ini.text(), "; keep me\r\n[wydruki]\r\nosoby=12\r\n[normatyw]\r\ntest=1\r\n");
    EXPECT_EQ(IniFile::parse("").text(), "");
}

}  // namespace
}  // namespace tabrel
