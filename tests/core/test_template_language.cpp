#include <gtest/gtest.h>

#include "i18n/cp1250.h"
#include "printouts/block_tree.h"
#include "printouts/template_error.h"
#include "printouts/template_expansion.h"
#include "printouts/template_token.h"
#include "support/stub_tag_lookup.h"
#include "support/ward_fixture.h"

using namespace tabrel;
using namespace tabrel::test;

namespace {

// June 2025 (30 days) with workers Nowak (index 0), Bąk (1) and Adamski (2) listed in that
// order; the first is selected, the selected cell is day 1.
struct TemplateLanguage : ::testing::Test {
    Ward ward{2025, 6};
    Locale locale;
    GenerationContext ctx{ward.roster, ward.options, locale, system_clock()};
    TempDir dir;

    TemplateLanguage() {
        ward.hire(6).nazwisko = cp("Bąk");
        ward.hire(7).nazwisko = "Adamski";
        ctx.worker_list = {0, 1, 2};
        ctx.selected_worker = 0;
    }

    std::string expand(const std::string& body, const std::string& type = "txt") {
        spit(dir / "t.wzr", "<HEADER>\r\n<TYPE>" + type + "</TYPE>\r\n</HEADER>\r\n" + body);
        return output_text(*expand_template(dir / "t.wzr", ctx));
    }
};

std::string lines(const std::vector<std::string>& each) {
    std::string out;
    for (const std::string& line : each) out += line + "\r\n";
    return out;
}

TEST(TemplateToken, EndsAtDelimitersAndKeepsModifiers) {
    EXPECT_EQ(read_token("@_day_no. x", 2).text, "day_no");
    EXPECT_EQ(read_token("@_duty_from: x", 2).text, "duty_from:");
    EXPECT_EQ(read_token("@_Worker_Surname<br>", 2).text, "worker_surname");
    EXPECT_EQ(read_token("@_Day_No\x9B", 2).end, 8u);
    EXPECT_EQ(read_token("@_a|'x y.z'|b c", 2).text, "a|'x y.z'|b");
    EXPECT_EQ(read_token("@_a|'x|y z", 2).text, "a|'x|y");
    EXPECT_EQ(read_token("@_Kod\xA4X-1", 2).text, "Kod\xA4X");
}

TEST_F(TemplateLanguage, BodyWithoutBlocksIsOneTrimmedLine) {
    ctx.selected_day = 4;
    EXPECT_EQ(expand("\r\n  Grafik: @_worker_surname, dzien @_day_no.\r\n// komentarz\r\n"
                     "a // b @_unknown_tag?\r\n\r\n"),
              "Grafik: Nowak, dzien 5.\r\na // b ?\r\n");
}

TEST_F(TemplateLanguage, DayBlockRepeatsOverTheMonth) {
    std::vector<std::string> expected;
    for (int d = 1; d <= 30; ++d) expected.push_back(std::to_string(d) + " ");
    EXPECT_EQ(expand("\x8B_day\x9B@_day_no \x8B/day\x9B"), lines(expected));
    EXPECT_EQ(expand("\x8B_DZIEN\x9B@_day_no \x8B/Dzien\x9B"), lines(expected));
}

TEST_F(TemplateLanguage, WorkerInsideDayTakesTheDayAndTextAfterABlockInherits) {
    const std::string out = expand(
        "\x8B_day\x9B#@_day_no\r\n\x8B_worker\x9B@_worker_surname @_at\x8B/worker\x9B"
        "\r\nend @_at\x8B/day\x9B\r\ntop @_at");
    std::vector<std::string> expected;
    for (int d = 0; d < 30; ++d) {
        const std::string day = std::to_string(d);
        expected.push_back("#" + std::to_string(d + 1));
        expected.push_back("Nowak d" + day + "w0s-1");
        expected.push_back(cp("Bąk d") + day + "w1s-1");
        expected.push_back("Adamski d" + day + "w2s-1");
        expected.push_back("end d" + day + "w2s-1");
    }
    expected.push_back("top d0w0s-1");  // the top level takes the selected worker and day
    EXPECT_EQ(out, lines(expected));
}

TEST_F(TemplateLanguage, DutyFromOrderInsideADayAndListOrderElsewhere) {
    ward.duty(1, 2, 1140, 720, 0, 1, 5);  // Nowak: night
    ward.duty(1, 1, 420, 720, 0, 1, 6);   // Bąk: day
    ward.duty(2, 1, 420, 455, 0, 1, 5);   // Nowak: "8" duty
    ward.duty(2, 1, 420, 720, 0, 1, 6);   // Bąk: longer, same start
    ward.day_off(2, 3, 'u', 1, 7);        // Adamski: leave over days 2 and 3
    const std::string out = expand(
        "\x8B_day\x9B#@_day_no\x8B_prac sort=\"duty_from\"\x9B@_worker_surname\x8B/prac\x9B"
        "\x8B/day\x9B");
    std::vector<std::string> expected{"#1",    cp("Bąk"), "Nowak", "#2",     "Adamski",
                                      "Nowak", cp("Bąk"), "#3",    "Adamski"};
    for (int d = 4; d <= 30; ++d) expected.push_back("#" + std::to_string(d));
    EXPECT_EQ(out, lines(expected));
    EXPECT_EQ(expand("\x8B_prac sort=\"duty_from\"\x9B@_worker_surname\x8B/prac\x9B"),
              lines({"Nowak", cp("Bąk"), "Adamski"}));
}

TEST_F(TemplateLanguage, NameOrderFollowsPolishCollationIgnoringCase) {
    const std::vector<std::string> names{cp("Żak"), "zając", cp("Ćwik"), "Cebula",
                                         cp("Łoś"), "Lis",   "cebula"};
    ctx.worker_list.clear();
    for (size_t i = 0; i < names.size(); ++i) {
        ward.hire(static_cast<uint16_t>(20 + i)).nazwisko = names[i];
        ctx.worker_list.push_back(static_cast<int>(ward.roster.workers.size() - 1));
    }
    EXPECT_EQ(expand("<_worker sort=name>@_worker_surname</worker>"),
              lines({"Cebula", "cebula", cp("Ćwik"), "Lis", cp("Łoś"), "zając", cp("Żak")}));
}

TEST_F(TemplateLanguage, OvertimeBlockListsOnlyDaysWithOvertime) {
    ward.duty(3, 1, 420, 720, 60, 1, 5);
    ward.duty(5, 1, 420, 720, 0, 1, 5);
    ward.duty(10, 2, 1140, 720, 30, 1, 5);
    ward.duty(7, 1, 420, 720, 15, 1, 6);
    EXPECT_EQ(expand("\x8B_worker\x9B@_worker_surname\x8B_nadgodz\x9B+@_day_no\x8B/nadgodz\x9B"
                     "\x8B/worker\x9B"),
              lines({"Nowak", "+3", "+10", cp("Bąk"), "+7", "Adamski"}));
}

TEST_F(TemplateLanguage, UnknownBlockOnceGroupBlockPerListedGroup) {
    ctx.group_list = {0, 0};
    EXPECT_EQ(expand("\x8B_tabela x=1\x9B t@_day_no\x8B/tabela\x9B\x8B_grupa\x9Bg\x8B/grupa\x9B"),
              lines({" t1", "", "g", "g"}));
}

TEST_F(TemplateLanguage, AsciiBlocksInHtmlMatchGuillemetsAndClosingTagsEndLines) {
    const std::string ascii =
        "<table>\r\n\r\n  <_day>\r\n<tr><td>@_day_no</td><td>x</td></tr>\r\n</day>\r\n"
        "</table>\r\n";
    const std::string guillemets =
        "<table>\r\n\x8B_day\x9B\r\n<tr><td>@_day_no</td>\r\n<td>x</td>\r\n</tr>\r\n"
        "\x8B/day\x9B\r\n</table>\r\n";
    std::string expected = "<table>\r\n";
    for (int d = 1; d <= 30; ++d)
        expected += "\r\n<tr><td>" + std::to_string(d) + "</td>\r\n<td>x</td>\r\n</tr>\r\n\r\n";
    expected += "</table>\r\n";
    EXPECT_EQ(expand(ascii, "htm"), expected);
    EXPECT_EQ(expand(guillemets, "htm"), expected);
    // On one line the block keeps the HTML closing tags it encloses.
    EXPECT_EQ(expand("<ul><_day><li>@_day_no</li></day></ul>", "HTML").substr(0, 40),
              "<ul>\r\n<li>1</li>\r\n<li>2</li>\r\n<li>3</li>");
    // Blocks nested on that one line repeat too.
    EXPECT_EQ(expand("<_day><_prac>@_day_no@_worker_surname</prac></day>", "htm").substr(0, 16),
              "\r\n1Nowak\r\n1B\xB9k\r\n");
}

TEST_F(TemplateLanguage, RunningNumberContinuesAcrossBlocks) {
    EXPECT_EQ(expand("<_worker>@_worker_no</worker>\r\nx\r\n<_worker>@_worker_no</worker>"),
              lines({"1", "2", "3", "", "x", "4", "5", "6"}));
}

TEST_F(TemplateLanguage, LineBreakTagsShapeTheTextOutput) {
    EXPECT_EQ(expand("@_clear_auto_eols<_day>@_day_no,</day>@_eol"), [] {
        std::string s;
        for (int d = 1; d <= 30; ++d) s += std::to_string(d) + ",";
        return s + "\r\n";
    }());
}

TEST(BlockTree, UnclosedBlockDropsTheRestAndEmptyBlocksVanish) {
    BlockTree tree;
    drzewo_kreator(" a \x8B_day\x9B\x8B/day\x9B b \x8B_worker\x9B c \r\n", tree);
    ASSERT_EQ(tree.size(), 3u);
    EXPECT_EQ(tree[0].text, "a");
    EXPECT_EQ(tree[1].kind, "0");  // what follows a block, empty as more blocks follow
    EXPECT_EQ(tree[1].text, "");
    EXPECT_EQ(tree[2].kind, "");
    EXPECT_EQ(tree[2].text, "b");
    const TagSplit split = wyciagnij_tag(" x \x8B_Prac  sort=name \x9B y \x8B/PRAC\x9B z ");
    EXPECT_EQ(split.before, "x");
    EXPECT_EQ(split.kind, "worker");
    EXPECT_EQ(split.attributes, "sort=name");
    EXPECT_EQ(split.enclosed, " y ");
    EXPECT_EQ(split.after, "z");
}

TEST_F(TemplateLanguage, HostileTemplatesFailCleanly) {
    std::string deep;
    for (int i = 0; i < 5000; ++i) deep += "\x8B_b" + std::to_string(i) + "\x9B";
    deep += "x";
    for (int i = 4999; i >= 0; --i) deep += "\x8B/b" + std::to_string(i) + "\x9B";
    const std::string out = expand(deep);  // deep levels stay literal text
    EXPECT_NE(out.find("x\x8B/b4999\x9B"), std::string::npos);

    std::string unclosed = "head ";
    for (int i = 0; i < 20000; ++i) unclosed += "<_day>";
    EXPECT_EQ(expand(unclosed), lines({"head"}));

    ctx.group_list.assign(2000, 0);
    EXPECT_THROW(expand("<_day><_dzien><_group><_grupa>x</grupa></group></dzien></day>"),
                 TemplateError);
}

}  // namespace
