#include <gtest/gtest.h>

#include "i18n/cp1250.h"
#include "storage/conversion_error.h"
#include "storage/group_file.h"

#define S "\xA4"

namespace tabrel {
namespace {

Group surgery() {
    Group g;
    g.id = 3;
    g.profile.auto_staff_n = 2;
    g.profile.auto_staff_h = 2;
    g.reset_before_automat = true;
    g.profile.day8 = 455;
    g.profile.wolne_za_sob_swieto = true;
    g.nazwa = "Chirurgia";
    g.kolor = clWhite;
    g.Algorithm = 1;
    g.NormaResidueDistribution = 2;
    g.default_profile.day8 = 480;
    g.default_profile.sob_swieto = true;
    g.default_profile.noc_w_swieto_jak_swieto = true;
    Shift day{420, 720, 455, rgb(221, 221, 221), "R", "Dzie\xF1", 3, 2};
    Shift night{1140, 720, 0, rgb(0, 0, 128), "N", "", 1, 0};
    g.profile.shifts = {day, night};
    return g;
}

const char* const kSurgeryLines =
    "g" S "3" S "0" S "2" S "2" S "1" S "455" S "0" S "1" S "0" S "0" S "Chirurgia" S "clWhite" S
    "1" S "2" S "480" S "1" S "0" S "1" S
    "0\r\n"
    "z" S "420" S "720" S "455" S "3" S "2" S "$00DDDDDD" S "R" S
    "Dzie\xF1\r\n"
    "z" S "1140" S "720" S "0" S "1" S "0" S "clNavy" S "N" S "\r\n";

void expect_same(const Group& a, const Group& b) {
    EXPECT_EQ(group_line(a), group_line(b));
    ASSERT_EQ(a.profile.shifts.size(), b.profile.shifts.size());
    for (size_t i = 0; i < a.profile.shifts.size(); ++i)
        EXPECT_EQ(shift_line(a.profile.shifts[i]), shift_line(b.profile.shifts[i]));
}

TEST(GroupFile, WritesEveryFieldByteExactlyAndReadsItBack) {
    Group deleted;
    deleted.id = 4;
    deleted.old = true;
    deleted.nazwa = "A" S "B\r\nC";
    deleted.kolor = rgb(1, 2, 3);
    const std::string text = groups_file_text({surgery(), deleted});
    EXPECT_EQ(text, std::string(kSurgeryLines) + "g" S "4" S "1" S "0" S "0" S "0" S "455" S "0" S
                                                 "0" S "0" S "0" S "A B  C" S "$00030201" S "0" S
                                                 "0" S "455" S "0" S "0" S "0" S "0\r\n");

    Roster r;
    read_groups(text, r);
    ASSERT_EQ(r.groups.size(), 2u);
    expect_same(r.groups[0], surgery());
    EXPECT_EQ(r.groups[1].nazwa, "A B  C");
    EXPECT_TRUE(r.groups[1].old);
    EXPECT_TRUE(r.groups[1].profile.shifts.empty());
}

TEST(GroupFile, ShiftLinesBelongToTheGroupLineBeforeThemAndAFifthStopsTheLoad) {
    Roster r;
    const std::string four_shifts = std::string(kSurgeryLines) + "   \r\n\r\n" +
                                    "g" S "5" S "0" S "0" S "0" S "0" S "420" S "0" S "0" S "0" S
                                    "0" S "B" S
                                    "clRed\n"
                                    "g" S "6" S
                                    "0\n"
                                    "z" S "1\nz" S "2\nz" S "3\nz" S "4";
    read_groups(four_shifts, r);
    ASSERT_EQ(r.groups.size(), 3u);
    EXPECT_EQ(r.groups[0].profile.shifts.size(), 2u);
    EXPECT_TRUE(r.groups[1].profile.shifts.empty());
    ASSERT_EQ(r.groups[2].profile.shifts.size(), 4u);
    EXPECT_EQ(r.groups[2].profile.shifts[3].zod, 4);
    // A bare shift line starts from zero: no colour, no texts.
    EXPECT_EQ(r.groups[2].profile.shifts[0].zkolor, 0u);
    EXPECT_EQ(r.groups[2].profile.shifts[0].zsymbol, "");

    // The fifth shift would be lost at the next save.
    Roster five;
    try {
        read_groups(four_shifts + "\nz" S "5", five);
        ADD_FAILURE() << "a fifth shift line was taken";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.message(), cp("Błąd odczytu pliku grupy.ini, wiersz 12: grupa ma więcej niż "
                                  "4 zmiany: 'B'."));
    }
    EXPECT_EQ(five.groups.size(), 2u);
}

TEST(GroupFile, ShortLinesKeepTheBufferExceptWhereDefaultsAreExplicit) {
    Roster r;
    read_groups(std::string(kSurgeryLines) +
                    // 13 fields, as older versions wrote: Algorithm and the default profile
                    // do not come from the group before.
                    "g" S "7" S "1" S "2" S "2" S "" S "480" S "1" S "" S "1" S "0" S "Stara" S
                    "clGreen\r\n"
                    // Only the id: everything else is left over from the line before.
                    "g" S
                    "8\r\n"
                    // Empty explicit-default fields.
                    "g" S "9" S "0" S "2" S "2" S "0" S "455" S "1" S "1" S "1" S "1" S "C" S
                    "clRed" S "" S "" S "" S "" S "" S "" S
                    "1\r\n"
                    // Empty fields at the end of a line are missing, not empty.
                    "g" S "10" S "0" S "2" S "2" S "0" S "455" S "1" S "1" S "1" S "1" S "D" S
                    "clRed" S "0" S "0" S "480" S "" S "" S "\r\n",
                r);
    ASSERT_EQ(r.groups.size(), 5u);
    const Group& old_style = r.groups[1];
    EXPECT_TRUE(old_style.old);
    EXPECT_TRUE(old_style.reset_before_automat);          // empty: kept from the group before
    EXPECT_FALSE(old_style.profile.wolne_za_sob_swieto);  // empty bool: false
    EXPECT_EQ(old_style.Algorithm, 0);
    EXPECT_EQ(old_style.NormaResidueDistribution, 0);
    EXPECT_EQ(old_style.default_profile.day8, 480);
    EXPECT_TRUE(old_style.default_profile.sob_swieto);
    EXPECT_FALSE(old_style.default_profile.wolne_za_sob_swieto);
    EXPECT_TRUE(old_style.default_profile.noc_w_swieto_jak_swieto);
    EXPECT_FALSE(old_style.CustomNorma);

    const Group& bare = r.groups[2];
    EXPECT_EQ(bare.id, 8);
    EXPECT_EQ(bare.nazwa, "Stara");
    EXPECT_EQ(bare.kolor, rgb(0, 128, 0));
    EXPECT_EQ(bare.default_profile.day8, 480);

    const Group& empties = r.groups[3];
    EXPECT_EQ(empties.Algorithm, 0);
    EXPECT_EQ(empties.default_profile.day8, 455);
    EXPECT_FALSE(empties.default_profile.sob_swieto);
    EXPECT_FALSE(empties.default_profile.noc_w_swieto_jak_swieto);
    EXPECT_TRUE(empties.default_profile.bez_swiat);

    const Group& trailing = r.groups[4];
    EXPECT_EQ(trailing.default_profile.day8, 480);
    EXPECT_TRUE(trailing.default_profile.sob_swieto);
    EXPECT_TRUE(trailing.default_profile.wolne_za_sob_swieto);
}

TEST(GroupFile, ColoursAreReadByNameNumberOrHex) {
    Roster r;
    read_groups("g" S "1" S "0" S "0" S "0" S "0" S "455" S "0" S "0" S "0" S "0" S "A" S
                "CLNAVY\r\n"
                "z" S "1" S "1" S "1" S "1" S "1" S
                "255\r\n"
                "z" S "1" S "1" S "1" S "1" S "1" S "$00DDDDDD\r\n",
                r);
    ASSERT_EQ(r.groups.size(), 1u);
    EXPECT_EQ(r.groups[0].kolor, rgb(0, 0, 128));
    EXPECT_EQ(r.groups[0].profile.shifts[0].zkolor, rgb(255, 0, 0));
    EXPECT_EQ(r.groups[0].profile.shifts[1].zkolor, rgb(221, 221, 221));
}

TEST(GroupFile, BadValueStopsTheLoadNamingTheLineAndKeepsEarlierGroups) {
    const std::string empty_colour =
        "g" S "5" S "0" S "0" S "0" S "0" S "455" S "0" S "0" S "0" S "0" S "B" S "" S "0\r\n";
    Roster r;
    try {
        read_groups(std::string(kSurgeryLines) + "\r\n" + empty_colour, r);
        FAIL() << "an empty colour must stop the load";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.message(),
                  "B\xB3\xB9"
                  "d odczytu pliku grupy.ini, wiersz 5: '' nie jest poprawnym "
                  "kolorem.");
    }
    ASSERT_EQ(r.groups.size(), 1u);
    EXPECT_EQ(r.groups[0].profile.shifts.size(), 2u);

    Roster bad_number;
    EXPECT_THROW(read_groups("g" S "12x\r\n", bad_number), ConversionError);
    EXPECT_THROW(read_groups("g" S "1" S "0" S "0" S "0" S "0" S "70000\r\n", bad_number),
                 ConversionError);
    EXPECT_TRUE(bad_number.groups.empty());
}

}  // namespace
}  // namespace tabrel
