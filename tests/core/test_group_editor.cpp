#include <gtest/gtest.h>

#include "editing/group_editor.h"
#include "editing/light_colour.h"
#include "i18n/cp1250.h"
#include "model/time_value.h"
#include "support/test_support.h"

namespace tabrel {
namespace {

Group group(uint16_t id, const char* name, bool old = false) {
    Group g;
    g.id = id;
    g.nazwa = name;
    g.old = old;
    return g;
}

Worker member(uint16_t id, const char* grupy) {
    Worker w;
    w.id = id;
    w.grupy = grupy;
    return w;
}

std::vector<std::string> starts(const std::vector<ShiftRow>& rows) {
    std::vector<std::string> out;
    for (const ShiftRow& r : rows) out.push_back(r.start);
    return out;
}

TEST(GroupEditorKeys, EachColumnLetsThroughOnlyItsCharacters) {
    EXPECT_EQ(shift_cell_key(kStartColumn, '.', 1), ':');
    EXPECT_EQ(shift_cell_key(kLengthColumn, ',', 2), ':');
    EXPECT_EQ(shift_cell_key(kStartColumn, '7', 0), '7');
    EXPECT_EQ(shift_cell_key(kStartColumn, ':', 1), ':');
    EXPECT_EQ(shift_cell_key(kStartColumn, '\b', 1), '\b');
    EXPECT_EQ(shift_cell_key(kStartColumn, 'a', 0), std::nullopt);
    EXPECT_EQ(shift_cell_key(kLengthColumn, '-', 0), std::nullopt);

    EXPECT_EQ(shift_cell_key(kStaffingColumn, '4', 0), '4');
    EXPECT_EQ(shift_cell_key(kHolidayStaffingColumn, '/', 0), '/');
    EXPECT_EQ(shift_cell_key(kStaffingColumn, ':', 0), std::nullopt);
    EXPECT_EQ(shift_cell_key(kHolidayStaffingColumn, 'x', 0), std::nullopt);

    EXPECT_EQ(shift_cell_key(kSymbolColumn, 'R', 0), 'R');
    EXPECT_EQ(shift_cell_key(kSymbolColumn, 'x', 1), 'x');
    EXPECT_EQ(shift_cell_key(kSymbolColumn, 'x', 2), std::nullopt);
    EXPECT_EQ(shift_cell_key(kSymbolColumn, '\b', 2), '\b');
    EXPECT_EQ(shift_cell_key(kNameColumn, 'x', 20), 'x');
}

TEST(GroupEditorCells, CutsAndTimeNormalisation) {
    EXPECT_EQ(cut_shift_cell(kSymbolColumn, "ABC"), "AB");
    EXPECT_EQ(cut_shift_cell(kColourColumn, "clWhite"), "cl");
    EXPECT_EQ(cut_shift_cell(kNameColumn, "Dzienna"), "Dzienna");

    EXPECT_EQ(normalise_time_cell(kStartColumn, "7:30"), "07:30");
    EXPECT_EQ(normalise_time_cell(kLengthColumn, "12"), "12:00");
    EXPECT_EQ(normalise_time_cell(kLengthColumn, "30:00"), "30:00");
    EXPECT_EQ(normalise_time_cell(kStartColumn, "25:15"), "01:15");
    EXPECT_THROW(normalise_time_cell(kStartColumn, "7:3:0"), TimeConversionError);
}

TEST(GroupEditorAutoCalc, ShiftsFillTheDay) {
    std::vector<ShiftRow> rows = default_shift_rows();
    rows[0].start = "07:00";
    rows[0].length = "10:00";
    auto_calc_shifts(rows);
    EXPECT_EQ(rows[1].start, "17:00");
    EXPECT_EQ(rows[1].length, "14:00");

    rows.insert(rows.begin() + 1, ShiftRow{"", "8:00", "P", "", "", "", ""});
    auto_calc_shifts(rows);
    EXPECT_EQ(starts(rows), (std::vector<std::string>{"07:00", "17:00", "01:00"}));
    EXPECT_EQ(rows[2].length, "06:00");

    rows[1].length = "20:00";  // the others already pass 24 hours
    auto_calc_shifts(rows);
    EXPECT_EQ(rows[2].length, "00:00");

    std::vector<ShiftRow> one = {rows[0]};
    auto_calc_shifts(one);
    EXPECT_EQ(one[0].length, "10:00");
}

TEST(GroupEditorRows, OneToFourShifts) {
    EXPECT_TRUE(can_add_shift(3));
    EXPECT_FALSE(can_add_shift(4));
    EXPECT_TRUE(can_delete_shift(2));
    EXPECT_FALSE(can_delete_shift(1));
}

TEST(GroupEditorNew, KeepsTheLastTwoRowsAndTakesAColour) {
    GroupForm form = default_group_form();
    form.nazwa = "Interna";
    form.shifts.push_back({"19:00", "4:00", "W", "", "", "", ""});
    form.shifts[0].symbol = "D";
    prepare_new_group(form, rgb(200, 130, 250));
    EXPECT_EQ(form.nazwa, "");
    EXPECT_EQ(form.kolor, rgb(200, 130, 250));
    ASSERT_EQ(form.shifts.size(), 2u);
    EXPECT_EQ(form.shifts[0].symbol, "D");

    form.shifts.resize(1);
    prepare_new_group(form, clWhite);
    ASSERT_EQ(form.shifts.size(), 2u);
    EXPECT_EQ(form.shifts[1], default_shift_rows()[1]);
}

TEST(GroupEditorNew, RandomColoursAreLight) {
    std::mt19937 random(7);
    for (int i = 0; i < 200; ++i) {
        const Colour c = random_light_colour(random);
        for (int shift : {0, 8, 16}) {
            const int part = (c >> shift) & 0xFF;
            EXPECT_GE(part, 120);
            EXPECT_LE(part, 254);
        }
    }
}

TEST(GroupEditorOk, NewGroupIsAppendedWithTheNextIdAndBecomesCurrent) {
    Roster roster;
    roster.groups = {group(3, "A"), group(7, "B", true)};
    roster.current_group = 0;
    roster.groups[0].CustomNorma = true;
    roster.groups[0].Norma = 9000;
    GroupForm form = default_group_form();
    form.nazwa = "Nowa";
    form.day8 = "07:40";
    form.wolne_za_sob_swieto = true;
    form.Algorithm = 1;
    form.NormaResidueDistribution = 2;
    form.shifts[0].colour = "clYellow";
    form.shifts[1].staffing = "300";

    EXPECT_EQ(store_group(roster, form, std::nullopt), 2);
    EXPECT_EQ(roster.current_group, 2);
    const Group& g = roster.groups[2];
    EXPECT_EQ(g.id, 8);
    EXPECT_EQ(g.nazwa, "Nowa");
    EXPECT_FALSE(g.old);
    EXPECT_FALSE(g.NewPeriod);
    EXPECT_TRUE(g.CustomNorma);
    EXPECT_EQ(g.Norma, 9000);
    EXPECT_EQ(g.Algorithm, 1);
    EXPECT_EQ(g.NormaResidueDistribution, 2);
    ASSERT_EQ(g.profile.shifts.size(), 2u);
    const Shift& day = g.profile.shifts[0];
    EXPECT_EQ(day.zod, 420);
    EXPECT_EQ(day.zile, 720);
    EXPECT_EQ(day.zsymbol, "R");
    EXPECT_EQ(day.zkolor, clYellow);
    EXPECT_EQ(day.zobsada, 4);
    EXPECT_EQ(day.zobsadas, 3);
    EXPECT_EQ(g.profile.shifts[1].zod, 1200);
    EXPECT_EQ(g.profile.shifts[1].zobsada, 255);
    EXPECT_EQ(g.profile.day8, 460);
    EXPECT_TRUE(g.profile.wolne_za_sob_swieto);
    EXPECT_EQ(g.default_profile.day8, 460);
    EXPECT_TRUE(g.default_profile.wolne_za_sob_swieto);
    EXPECT_TRUE(g.default_profile.shifts.empty());
}

TEST(GroupEditorOk, EditKeepsWhatTheEditorDoesNotShow) {
    Roster roster;
    roster.groups = {group(1, "A"), group(2, "B")};
    Group& b = roster.groups[1];
    b.NewPeriod = true;
    b.default_profile.day8 = 480;
    Shift night;
    night.zod = 1140;
    night.zile = 720;
    night.zdyz = 455;
    night.zsymbol = "N";
    b.profile.shifts = {night};
    b.profile.auto_staff_n = 2;
    roster.current_group = 1;

    GroupForm form = group_form(roster.groups[1]);
    EXPECT_EQ(form.shifts[0].start, "19:00");
    EXPECT_EQ(form.shifts[0].colour, "clWhite");
    EXPECT_EQ(form.day8, "07:35");
    form.nazwa = "Bis";
    form.shifts[0].length = "11:30";
    form.shifts.push_back({"6:30", "", "", "", "", "", ""});

    EXPECT_EQ(store_group(roster, form, 2), 1);
    ASSERT_EQ(roster.groups.size(), 2u);
    const Group& g = roster.groups[1];
    EXPECT_EQ(g.id, 2);
    EXPECT_EQ(g.nazwa, "Bis");
    EXPECT_TRUE(g.NewPeriod);
    EXPECT_EQ(g.default_profile.day8, 480);
    EXPECT_EQ(g.profile.auto_staff_n, 2);
    ASSERT_EQ(g.profile.shifts.size(), 2u);
    EXPECT_EQ(g.profile.shifts[0].zile, 690);
    EXPECT_EQ(g.profile.shifts[0].zdyz, 455);
    EXPECT_EQ(g.profile.shifts[1].zdyz, 0);
    EXPECT_EQ(g.profile.shifts[1].zile, 0);
    EXPECT_EQ(g.profile.shifts[1].zkolor, clWhite);
    EXPECT_EQ(roster.groups[0].nazwa, "A");
}

TEST(GroupEditorOk, ATimeThatIsNoTimeChangesNothing) {
    Roster roster;
    roster.groups = {group(1, "A")};
    roster.current_group = 0;
    GroupForm form = default_group_form();
    form.day8 = "7:x";
    EXPECT_THROW(store_group(roster, form, std::nullopt), TimeConversionError);
    EXPECT_EQ(roster.groups.size(), 1u);
    EXPECT_THROW(save_as_default(roster.groups[0], form), TimeConversionError);
    EXPECT_EQ(roster.groups[0].default_profile.day8, 455);
}

TEST(GroupEditorDefaults, SaveAsDefaultTouchesOnlyTheDefaultProfile) {
    Group g = group(1, "A");
    GroupForm form = group_form(g);
    form.day8 = "08:00";
    form.sob_swieto = true;
    form.bez_swiat = true;
    save_as_default(g, form);
    EXPECT_EQ(g.default_profile.day8, 480);
    EXPECT_TRUE(g.default_profile.sob_swieto);
    EXPECT_TRUE(g.default_profile.bez_swiat);
    EXPECT_FALSE(g.default_profile.noc_w_swieto_jak_swieto);
    EXPECT_EQ(g.profile.day8, 455);
    EXPECT_FALSE(g.profile.sob_swieto);
}

TEST(GroupEditorDelete, AskedFirstThenMarkedAndMembershipsCleared) {
    Roster roster;
    roster.groups = {group(1, "A"), group(3, "B"), group(13, "C")};
    roster.workers = {member(1, "3|13|"), member(2, "13|3|1|"), member(3, "1|")};
    roster.current_group = 1;
    test::FakePrompter prompter;

    prompter.answers = {false};
    EXPECT_FALSE(delete_group(roster, prompter));
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(cp1250_to_utf8(prompter.asked[0]),
              "Czy usunąć wybraną grupę?\r\nPracownicy nie zostaną usunięci - mogą oni zostać "
              "przypisani do innych grup.");
    EXPECT_FALSE(roster.groups[1].old);
    EXPECT_EQ(roster.workers[0].grupy, "3|13|");

    EXPECT_TRUE(delete_group(roster, prompter));
    EXPECT_TRUE(roster.groups[1].old);
    EXPECT_EQ(roster.groups.size(), 3u);
    EXPECT_EQ(roster.workers.size(), 3u);
    EXPECT_EQ(roster.workers[0].grupy, "13|");
    EXPECT_EQ(roster.workers[1].grupy, "13|1|");
    EXPECT_EQ(roster.workers[2].grupy, "1|");
    EXPECT_EQ(roster.current_group, 0);
}

TEST(GroupEditorDelete, NothingWithoutAGroup) {
    Roster roster;
    test::FakePrompter prompter;
    EXPECT_FALSE(delete_group(roster, prompter));
    EXPECT_TRUE(prompter.asked.empty());
    EXPECT_EQ(cp1250_to_utf8(group_need_message()), "Najpierw należy utworzyć grupę.");
    GroupMembership grupy = "5||5|15|";
    grupy.remove(5);
    EXPECT_EQ(grupy, "15|");
}

}  // namespace
}  // namespace tabrel
