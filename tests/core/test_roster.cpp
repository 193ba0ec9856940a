#include <gtest/gtest.h>

#include "i18n/cp1250.h"
#include "model/colour.h"
#include "model/day_off_type.h"
#include "model/roster.h"

namespace tabrel {
namespace {

Roster february_with_one_worker() {
    Roster r;
    r.shown_year = 2025;
    r.shown_month = 1;
    Group g;
    g.id = 1;
    g.profile.shifts.resize(2);
    g.profile.shifts[0].zod = 420;
    g.profile.shifts[1].zod = 1140;
    r.dodaj_grupe(g, false);
    r.current_group = 0;
    Worker w;
    w.id = 4;
    r.dodaj_pracow(w, false, 0);
    r.rebuild_worker_ids();
    return r;
}

TEST(Roster, IdsAreLargestPlusOneCountingDeletedRecords) {
    Roster r;
    EXPECT_EQ(r.id('g'), 1);
    EXPECT_EQ(r.id('k'), 1);
    Group a;
    a.id = 3;
    Group b;
    b.id = 7;
    b.old = true;
    r.dodaj_grupe(a, false);
    r.dodaj_grupe(b, false);
    EXPECT_EQ(r.id('g'), 8);
    Worker w;
    w.id = 12;
    w.old = true;
    r.dodaj_pracow(w, false, 0);
    EXPECT_EQ(r.id('k'), 13);
}

TEST(Roster, IdsPastTheHighestAreTheLowestFreeAndRunOutWithAMessage) {
    Roster r;
    for (uint16_t id : {1, 2, 65535}) {
        Group g;
        g.id = id;
        r.dodaj_grupe(g, false);
        Worker w;
        w.id = static_cast<uint16_t>(65536 - id);
        r.dodaj_pracow(w, false, 0);
    }
    EXPECT_EQ(r.id('g'), 3);
    EXPECT_EQ(r.id('k'), 2);
    r.groups.resize(65535);
    for (size_t i = 0; i < r.groups.size(); ++i) r.groups[i].id = static_cast<uint16_t>(i + 1);
    try {
        r.id('g');
        ADD_FAILURE() << "an id was handed out twice";
    } catch (const NoFreeIdError& e) {
        EXPECT_EQ(std::string(e.what()),
                  cp("Nie można dodać: wszystkie numery (1–65535) są już zajęte."));
    }
}

TEST(Roster, DutyInsertionFillsSlotTakesShiftStartAndKeepsStrangersDetached) {
    Roster r = february_with_one_worker();
    Duty d;
    d.worker_id = 4;
    d.group_id = 1;
    d.day_no = 28;
    d.shift_no = 2;
    d.weight = 0.25f;
    ASSERT_TRUE(r.dodaj_dyzur(d, r.worker_index(4)));
    const Duty& placed = r.workers[0].duties[27];
    EXPECT_EQ(placed.seq, 1);
    EXPECT_EQ(placed.start, 1140);
    EXPECT_FLOAT_EQ(placed.weight, 1.0f);

    d.day_no = 29;  // February 2025 has 28 days
    EXPECT_FALSE(r.dodaj_dyzur(d, 0));
    EXPECT_TRUE(r.detached_duties.empty());

    d.day_no = 3;
    d.worker_id = 99;
    EXPECT_FALSE(r.dodaj_dyzur(d, r.worker_index(99)));
    ASSERT_EQ(r.detached_duties.size(), 1u);
    EXPECT_EQ(r.detached_duties[0].worker_id, 99);
    EXPECT_EQ(r.duty_counter, 1);
}

TEST(Roster, DayOffMarksCoveredDaysExceptNoDutyKindAndIsCutToTheMonth) {
    Roster r = february_with_one_worker();
    DayOff off{.worker_id = 4, .group_id = 1, .from_day = 3, .to_day = 5, .kind = kNoDutyLetter};
    const DayOffPlacement whole = r.dodaj_wolne(off, 0);
    ASSERT_TRUE(whole.placed);
    EXPECT_EQ(whole.notice, "");
    for (int day = 3; day <= 5; ++day) EXPECT_FALSE(r.workers[0].duties[day - 1].day_off_marker);

    off = {.worker_id = 4, .group_id = 1, .from_day = 28, .to_day = 31, .kind = 'u'};
    const DayOffPlacement cut = r.dodaj_wolne(off, 0);
    ASSERT_TRUE(cut.placed);
    EXPECT_EQ(r.workers[0].days_off[27].to_day, 28);
    EXPECT_TRUE(r.workers[0].duties[27].day_off_marker);
    EXPECT_EQ(cp1250_to_utf8(cut.notice), "Poprawiono końcowy dzień trwania wolnego z 31 na 28");

    off.worker_id = 99;
    EXPECT_FALSE(r.dodaj_wolne(off, -1).placed);
    EXPECT_EQ(r.detached_days_off.size(), 1u);
}

TEST(Roster, MembershipNeedsTheWholeId) {
    Worker w;
    w.grupy = "13|5|";
    EXPECT_TRUE(belongs_to(w, 13));
    EXPECT_TRUE(belongs_to(w, 5));
    EXPECT_FALSE(belongs_to(w, 3));
    EXPECT_FALSE(belongs_to(w, 1));
    EXPECT_EQ(cut_pseudo("ABCD"), "ABC");
}

TEST(Colour, NamesNumbersAndHex) {
    EXPECT_EQ(colour_to_text(rgb(221, 221, 221)), "$00DDDDDD");
    EXPECT_EQ(colour_to_text(rgb(255, 255, 255)), "clWhite");
    EXPECT_EQ(colour_to_text(rgb(0, 0, 128)), "clNavy");
    EXPECT_EQ(colour_to_text(clNone), "clNone");
    EXPECT_EQ(colour_from_text("clyellow"), rgb(255, 255, 0));
    EXPECT_EQ(colour_from_text("$00DDDDDD"), rgb(221, 221, 221));
    EXPECT_EQ(colour_from_text("255"), rgb(255, 0, 0));
    EXPECT_EQ(colour_from_text("clBtnFace"), 0x8000000Fu);
    EXPECT_EQ(colour_from_text("-2147483633"), 0x8000000Fu);
    EXPECT_FALSE(colour_from_text(""));
    EXPECT_FALSE(colour_from_text("$"));
    EXPECT_FALSE(colour_from_text("blue"));
}

TEST(DayOffTypes, FixedOrderLettersAndDefaults) {
    const auto& t = day_off_types();
    std::string letters;
    for (const auto& k : t) letters += k.letter;
    EXPECT_EQ(letters, "\xBFumwszoni17brdha9kjtc5");
    EXPECT_EQ(cp1250_to_utf8(t[15].name), "Na żądanie");
    EXPECT_EQ(t[15].symbol, "Q");
    EXPECT_FALSE(t[9].lowers_norm);
    EXPECT_TRUE(t[1].norm_editable);
    EXPECT_EQ(day_off_index('5'), 21);
    EXPECT_FALSE(day_off_index('x'));
}

TEST(Cp1250, RoundTripAndRefusal) {
    std::string polish = "Zażółć gęślą jaźń ¤";
    auto bytes = utf8_to_cp1250(polish);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->size(), 19u);
    EXPECT_EQ(static_cast<unsigned char>(bytes->back()), 0xA4);
    EXPECT_EQ(cp1250_to_utf8(*bytes), polish);
    EXPECT_FALSE(utf8_to_cp1250("日本"));
    EXPECT_EQ(cp1250_to_utf8("\x98"), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace tabrel
