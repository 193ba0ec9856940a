#include <gtest/gtest.h>

#include "editing/tile_hint.h"
#include "editing/tile_layout.h"
#include "editing/tile_name.h"
#include "i18n/cp1250.h"
#include "support/ward_fixture.h"

namespace tabrel {
namespace {

using test::Ward;
using Who = ViewState::ShowWho;
using What = ViewState::ShowWhat;

constexpr int kP = 3;
// May 2024 begins on a Wednesday; Tuesday the 7th sits in week row 1, and with two shifts its
// sub-columns are grid columns 2 and 3.
constexpr int kTuesday = 7;

struct TileWard : Ward {
    ViewState view;

    TileWard() : Ward(2024, 5) {
        worker().pseudo = "AN";
        worker().kolor = rgb(1, 2, 3);
        Group second;
        second.id = 2;
        second.kolor = rgb(9, 9, 9);
        second.profile.shifts.resize(1);
        roster.dodaj_grupe(second, false);
        roster.groups[0].kolor = rgb(7, 7, 7);
    }

    TileLayout lay() { return lay_out_tiles(roster, view, options, kP); }
    std::vector<std::string> hint(const Tile& tile) const {
        return tile_hint(roster, options, tile);
    }

    Duty& slot(int day, uint16_t id = 5) { return worker(id).duties[day - 1]; }
    const CalendarDay& day(int d) const { return roster.calendar.days[d - 1]; }
};

const Tile* find_tile(const TileLayout& layout, const std::string& name) {
    for (const Tile& t : layout.tiles)
        if (t.name == name) return &t;
    return nullptr;
}

TEST(TileLayout, TilesFillASubCellTopToBottomThenInNewColumns) {
    TileWard w;
    w.duty(kTuesday, 1, 420, 720);
    for (uint16_t id = 6; id <= 11; ++id) {
        w.hire(id);
        w.duty(kTuesday, 1, 420, 720, 0, 1, id);
    }
    w.duty(kTuesday, 2, 1140, 720, 0, 1, 6);  // replaces worker 6's day duty with a night one
    w.duty(kTuesday, 1, 420, 720, 0, 1, 12);  // worker 12 is not in the register: detached

    TileLayout layout = w.lay();
    ASSERT_EQ(layout.tiles.size(), 7u);
    std::vector<std::pair<int, int>> places;
    for (const Tile& t : layout.tiles) {
        if (t.sub_column == 0) places.push_back({t.tile_column, t.tile_row});
        EXPECT_EQ(t.row, 1);
    }
    const std::vector<std::pair<int, int>> expected = {{0, 0}, {0, 1}, {0, 2},
                                                       {1, 0}, {1, 1}, {1, 2}};
    EXPECT_EQ(places, expected);

    const Tile* night = find_tile(layout, "p1_6");
    ASSERT_NE(night, nullptr);
    EXPECT_EQ(night->column, 3);
    EXPECT_EQ(night->index, 0);

    w.hire(13);
    w.duty(kTuesday, 1, 420, 720, 0, 1, 13);
    layout = w.lay();
    const Tile& seventh = layout.tiles.back();
    EXPECT_EQ(seventh.name, "p7_6");
    EXPECT_EQ(seventh.column, 2);
    EXPECT_EQ(seventh.index, 6);
    EXPECT_EQ(seventh.tile_column, 2);
    EXPECT_EQ(seventh.tile_row, 0);
    EXPECT_EQ(w.day(kTuesday).shift_counts, (std::vector<uint8_t>{7, 1}));

    EXPECT_EQ(tiles_per_column(48), 3);
    EXPECT_EQ(tiles_per_column(10), 1);
}

TEST(TileLayout, DutiesAreLaidOutBeforeDaysOffAndCountersAreRecounted) {
    TileWard w;
    w.hire(6);
    w.day_off(kTuesday, kTuesday, 'u');  // the lower worker index holds the day off
    w.duty(kTuesday, 1, 420, 720, 0, 1, 6);
    w.roster.calendar.days[kTuesday - 1].extra_count = 5;  // left from an earlier layout
    w.roster.calendar.days[kTuesday + 1].shift_counts = {4, 4};

    for (int run = 0; run < 2; ++run) {
        const TileLayout layout = w.lay();
        ASSERT_EQ(layout.tiles.size(), 2u);
        EXPECT_EQ(layout.tiles[0].name, "p1_6");
        EXPECT_EQ(layout.tiles[0].index, 0);
        EXPECT_EQ(layout.tiles[1].name, "u0_6");
        EXPECT_EQ(layout.tiles[1].kind, TileKind::DayOff);
        EXPECT_EQ(layout.tiles[1].column, 2);
        EXPECT_EQ(layout.tiles[1].index, 1);
        EXPECT_EQ(w.day(kTuesday).shift_counts, (std::vector<uint8_t>{1, 0}));
        EXPECT_EQ(w.day(kTuesday).extra_count, 1);
        EXPECT_EQ(w.day(kTuesday + 2).shift_counts, (std::vector<uint8_t>{0, 0}));
    }

    w.view.show_what = What::DaysOff;
    TileLayout layout = w.lay();
    ASSERT_EQ(layout.tiles.size(), 1u);
    EXPECT_EQ(layout.tiles[0].index, 0);
    EXPECT_EQ(w.day(kTuesday).shift_counts, (std::vector<uint8_t>{0, 0}));

    w.view.show_what = What::Duties;
    layout = w.lay();
    ASSERT_EQ(layout.tiles.size(), 1u);
    EXPECT_EQ(layout.tiles[0].kind, TileKind::Duty);
    EXPECT_EQ(w.day(kTuesday).extra_count, 0);

    w.roster.current_group = -1;
    EXPECT_TRUE(w.lay().tiles.empty());
    EXPECT_EQ(w.day(kTuesday).shift_counts, (std::vector<uint8_t>{0, 0}));
}

TEST(TileLayout, CaptionsByShortNameOrDutyType) {
    TileWard w;
    w.duty(6, 1, 420, 720);
    w.duty(7, 1, 420, 455);
    w.duty(8, 1, 480, 300);

    auto captions = [&w] {
        std::vector<std::string> out;
        for (const Tile& t : w.lay().tiles) out.push_back(t.caption);
        return out;
    };
    EXPECT_EQ(captions(), (std::vector<std::string>{"AN", "AN", "AN"}));
    w.view.captions = ViewState::Captions::DutyType;
    EXPECT_EQ(captions(), (std::vector<std::string>{"R", "8", "I"}));
    w.view.captions = ViewState::Captions::ShortName;
    w.view.show_who = Who::Selected;
    EXPECT_EQ(captions(), (std::vector<std::string>{"R", "8", "I"}));
}

TEST(TileLayout, AllWorkersOrTheSelectedOneWithHerDutiesOfEveryGroup) {
    TileWard w;
    w.worker().grupy = "1|2|";
    w.hire(6);
    w.roster.current_worker = 1;  // worker 6
    w.duty(6, 1, 420, 720);
    w.duty(7, 1, 420, 720, 0, 2);  // worker 5's duty in group 2
    w.duty(10, 1, 420, 720);
    w.day_off(10, 14, 'u');  // covers the duty on the 10th
    w.duty(6, 2, 1140, 720, 0, 1, 6);

    TileLayout all = w.lay();
    std::vector<std::string> names;
    for (const Tile& t : all.tiles) names.push_back(t.name);
    EXPECT_EQ(names, (std::vector<std::string>{"p0_5", "p1_5", "u0_9"}));

    w.roster.current_worker = 0;
    w.view.show_who = Who::Selected;
    TileLayout one = w.lay();
    names.clear();
    for (const Tile& t : one.tiles) names.push_back(t.name);
    EXPECT_EQ(names, (std::vector<std::string>{"p0_5", "p0_6", "p0_9", "u0_9"}));
    EXPECT_EQ(one.tiles[0].background, rgb(7, 7, 7));
    EXPECT_EQ(one.tiles[1].background, rgb(9, 9, 9));
    EXPECT_EQ(one.tiles[0].font, kButtonTextColour);
    EXPECT_EQ(one.tiles[2].font, kDayOffFont);
    EXPECT_EQ(one.tiles[3].background, rgb(7, 7, 7));
    EXPECT_EQ(w.day(7).shift_counts, (std::vector<uint8_t>{1, 0}));

    w.roster.current_worker = 9;  // nobody selected
    EXPECT_TRUE(w.lay().tiles.empty());
    w.view.show_who = Who::All;
    for (const Tile& t : w.lay().tiles) EXPECT_EQ(t.kind, TileKind::Duty);
}

TEST(TileLayout, DaysOffWithoutHoursOrOfOtherGroupsOnlyForTheSelectedWorker) {
    TileWard w;
    w.hire(6);
    w.roster.current_worker = 1;
    w.day_off(3, 3, '1');
    w.day_off(6, 7, 'u', 2);
    w.day_off(13, 13, '\xBF');
    w.day_off(3, 3, '1', 1, 6);
    w.day_off(6, 7, 'u', 2, 6);
    w.day_off(13, 13, '\xBF', 1, 6);
    w.worker(6).days_off[12].minutes = 2;
    w.day_off(20, 24, 'z', 1, 6);

    const TileLayout layout = w.lay();
    std::vector<std::string> names, captions;
    for (const Tile& t : layout.tiles) {
        names.push_back(t.name);
        captions.push_back(t.caption);
        EXPECT_EQ(t.font, kDayOffFont);
        EXPECT_TRUE(t.bold);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"u1_2", "u1_5", "u1_12", "u1_19"}));
    EXPECT_EQ(captions, (std::vector<std::string>{"ni", "\xBB", "2", "\xBB"}));
    EXPECT_EQ(layout.tiles[0].background, clWhite);
    EXPECT_EQ(layout.tiles[2].background, kNoDutyBackground);
    EXPECT_EQ(layout.tiles[3].background, w.worker(6).kolor);

    w.roster.current_worker = 0;
    const TileLayout mine = w.lay();
    captions.clear();
    for (const Tile& t : mine.tiles) captions.push_back(t.caption);
    EXPECT_EQ(captions, (std::vector<std::string>{"ni", "\xBB", "d", "\xBB"}));
}

TEST(TileLayout, ColoursFontsBordersAndTemporaryRows) {
    TileWard w;
    w.hire(6).old = true;
    w.hire(7).grupy = "2|";
    w.roster.current_worker = 0;
    w.duty(6, 1, 420, 720, 30);
    w.slot(6).on_request = true;
    w.duty(7, 1, 420, 720);
    w.slot(7).accepted = false;
    w.duty(6, 1, 420, 720, 0, 1, 7);
    w.duty(7, 1, 420, 720, 0, 1, 6);
    w.day_off(10, 10, 'u', 1, 7);

    const TileLayout layout = w.lay();
    const Tile* own = find_tile(layout, "p0_5");
    const Tile* planned = find_tile(layout, "p0_6");
    const Tile* outsider = find_tile(layout, "p2_5");
    const Tile* blocked = find_tile(layout, "p1_6");
    const Tile* outsider_off = find_tile(layout, "u2_9");
    ASSERT_TRUE(own && planned && outsider && blocked && outsider_off);

    EXPECT_EQ(own->background, rgb(1, 2, 3));
    EXPECT_EQ(own->font, kButtonTextColour);
    EXPECT_TRUE(own->bold);
    EXPECT_TRUE(own->italic);
    EXPECT_FALSE(own->draggable);
    EXPECT_TRUE(own->border);

    EXPECT_EQ(planned->background, kUnacceptedBackground);
    EXPECT_EQ(planned->font, kUnacceptedFont);
    EXPECT_FALSE(planned->bold || planned->italic);
    EXPECT_TRUE(planned->draggable);

    EXPECT_EQ(outsider->font, clWhite);
    EXPECT_FALSE(outsider->border);
    EXPECT_EQ(blocked->font, clWhite);
    EXPECT_EQ(outsider_off->font, clWhite);
    EXPECT_EQ(layout.temporary_workers, (std::vector<int>{1, 2}));
}

TEST(TileLayout, HintLines) {
    TileWard w;
    w.worker().etat = 50;
    w.hire(6).grupy = "2|";
    w.duty(14, 2, 1140, 720, 90);
    w.duty(9, 1, 420, 720, -30, 1, 6);
    w.day_off(6, 10, 'u');  // Monday to Friday
    w.duty(20, 1, 420, 720);
    w.day_off(20, 21, 'u');
    w.roster.current_worker = 0;
    w.view.show_who = Who::Selected;

    const TileLayout layout = w.lay();
    const Tile* night = find_tile(layout, "p0_13");
    ASSERT_NE(night, nullptr);
    EXPECT_EQ(w.hint(*night),
              (std::vector<std::string>{"Nowak Anna", "W godzinach: 19:00-07:00",
                                        "Czas trwania: 12:00", "Godziny nadliczbowe: 01:30"}));
    const Tile* leave = find_tile(layout, "u0_5");
    ASSERT_NE(leave, nullptr);
    EXPECT_EQ(w.hint(*leave),
              (std::vector<std::string>{"Nowak Anna", "[Urlop] Wypoczynkowy [od 6 do 10]",
                                        "Normatyw: 19:00", cp("Dyżury: 19:00")}));
    const Tile* with_duty = find_tile(layout, "u0_19");
    ASSERT_NE(with_duty, nullptr);
    EXPECT_EQ(w.hint(*with_duty)[2], "Normatyw: 07:36");
    EXPECT_EQ(w.hint(*with_duty)[3], cp("Dyżury: 12:00"));

    w.view.show_who = Who::All;
    const TileLayout all = w.lay();
    const Tile* outsider = find_tile(all, "p1_8");
    ASSERT_NE(outsider, nullptr);
    EXPECT_EQ(w.hint(*outsider)[0], "Nowak Anna [Pracownik spoza grupy]");
    EXPECT_EQ(w.hint(*outsider)[3], "Godziny nadliczbowe: -00:30");
}

TEST(TileName, RoundTripAndRefusals) {
    EXPECT_EQ(tile_name({TileKind::DayOff, 12, 30}), "u12_30");
    EXPECT_EQ(parse_tile_name("p3_0"), (TileRef{TileKind::Duty, 3, 0}));
    for (const char* bad : {"", "p", "x1_2", "p1", "p_2", "p1_", "p-1_2", "p1_2x", "u123456_1"})
        EXPECT_FALSE(parse_tile_name(bad)) << bad;
}

}  // namespace
}  // namespace tabrel
