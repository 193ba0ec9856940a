#include <gtest/gtest.h>

#include "model/time_value.h"

namespace tabrel {
namespace {

TEST(Min2h, TextFormPadsBelowOneDayAndWrapsWholeDaysTo24) {
    EXPECT_EQ(min2h(450, "txt", false), "07:30");
    EXPECT_EQ(min2h(0, "txt", false), "00:00");
    EXPECT_EQ(min2h(0, "txt", true), "00:00");
    EXPECT_EQ(min2h(1440, "txt", true), "24:00");
    EXPECT_EQ(min2h(2880, "txt", true), "24:00");
    EXPECT_EQ(min2h(1500, "txt", true), "01:00");
    EXPECT_EQ(min2h(1500, "txt", false), "25:00");
    EXPECT_EQ(min2h(10000, "txt", false), "166:40");
    EXPECT_EQ(min2h(-75, "txt", false), "-01:15");
    EXPECT_EQ(min2h(-1500, "txt", true), "-01:00");
    EXPECT_EQ(min2h(-32768, "txt", false), "-546:08");
}

TEST(Min2h, FourthFormatCharacterIsTheSeparator) {
    EXPECT_EQ(min2h(-90, "txt.", false), "-01.30");
    EXPECT_EQ(min2h(9555, "txt-", false), "159-15");
    EXPECT_EQ(min2h(9555, "txt.and more", false), "159.15");
}

TEST(Min2h, HtmlFormShowsMinutesAsSuperscriptAndZeroAsBlank) {
    EXPECT_EQ(min2h(480, "htm", false), "8");
    EXPECT_EQ(min2h(450, "htm", false), "7<sup>30</sup>");
    EXPECT_EQ(min2h(65, "htm", false), "1<sup>05</sup>");
    EXPECT_EQ(min2h(0, "htm", true), "&nbsp;");
    EXPECT_EQ(min2h(2880, "htm", true), "24");
    EXPECT_EQ(min2h(-30, "htm", false), "-0<sup>30</sup>");
}

TEST(H2min, ReadsHoursMinutesAndSigns) {
    EXPECT_EQ(h2min("8"), 480);
    EXPECT_EQ(h2min("-2"), -120);
    EXPECT_EQ(h2min("+8"), 480);
    EXPECT_EQ(h2min("7:30"), 450);
    EXPECT_EQ(h2min("-1:15"), -75);
    EXPECT_EQ(h2min("-0:30"), -30);
    EXPECT_EQ(h2min("1:5"), 65);
    EXPECT_EQ(h2min(":30"), 30);
    EXPECT_EQ(h2min("12:345"), 754);
    EXPECT_EQ(h2min("1:75"), 135);
    EXPECT_EQ(h2min(" 07 :30 "), 450);
    EXPECT_EQ(h2min("7: 30"), 423);  // only two characters after the colon are read
    EXPECT_EQ(h2min("-:30"), -30);
    EXPECT_EQ(h2min("  7:"), 420);
    EXPECT_EQ(h2min("166:40"), 10000);
}

TEST(H2min, EmptyColonOrBlanksGiveZero) {
    EXPECT_EQ(h2min(""), 0);
    EXPECT_EQ(h2min(":"), 0);
    EXPECT_EQ(h2min("   "), 0);
    EXPECT_EQ(h2min(" : "), 0);
}

TEST(H2min, OnlyOneLeadingCharacterIsDropped) {
    EXPECT_EQ(h2min("x8"), 480);
    EXPECT_EQ(h2min("--5"), 300);  // the second "-" is the number's own sign
    EXPECT_THROW(h2min("ab"), TimeConversionError);
}

TEST(H2min, NonNumbersFailNamingTheInput) {
    for (const char* bad : {"-", "abc", "8h", "1:x", "1x:30", "1.5", "__:30", "99999999999999"}) {
        try {
            h2min(bad);
            ADD_FAILURE() << "accepted " << bad;
        } catch (const TimeConversionError& e) {
            EXPECT_EQ(e.input(), bad);
            EXPECT_NE(std::string(e.what()).find(bad), std::string::npos) << e.what();
        }
    }
}

TEST(H2min, ValuesBeyondSixteenBitsAreRefusedNotWrapped) {
    EXPECT_EQ(h2min("546:07"), 32767);
    EXPECT_EQ(h2min("-546:08"), -32768);
    EXPECT_THROW(h2min("546:08"), TimeConversionError);
    EXPECT_THROW(h2min("600:00"), TimeConversionError);
    EXPECT_THROW(h2min("-9999"), TimeConversionError);
}

TEST(TimeValue, EveryValueSurvivesTheTextRoundTrip) {
    for (int x = -32768; x <= 32767; ++x) {
        const std::string text = min2h(x, "txt", false);
        ASSERT_EQ(h2min(text), x) << text;
    }
}

TEST(TimeValue, Saturate16StopsAtTheEndsOfTheRange) {
    EXPECT_EQ(saturate16(21 * 455), 9555);
    EXPECT_EQ(saturate16(32768), 32767);
    EXPECT_EQ(saturate16(-32769), -32768);
    EXPECT_EQ(saturate16(-75), -75);
}

}  // namespace
}  // namespace tabrel
