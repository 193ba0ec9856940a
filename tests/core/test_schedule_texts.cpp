#include <gtest/gtest.h>

#include "printouts/schedule_texts.h"
#include "support/ward_fixture.h"

namespace tabrel {
namespace {

using test::Ward;

constexpr int kDayShift = 1;
constexpr int kNightShift = 2;

// June 2026: Monday the 1st, Corpus Christi on Thursday the 4th; 21 working days, so the norm is
// 159:15 and what is left after 13 day-shift duties is 3:15.
struct June : Ward {
    June() : Ward(2026, 6) {
        worker(5).pseudo = "AN";
        hire(6).pseudo = "BO";
        hire(7).pseudo = "CE";
    }
    std::vector<DaySchedule> texts(bool all_groups = false, bool escape = false) {
        return przygotuj_rozklad(roster, all_groups, escape);
    }
};

TEST(ScheduleTexts, DutiesByHowTheyFitTheShifts) {
    June m;
    ASSERT_EQ(m.roster.calendar.group_norm_remainder, 195);
    m.duty(1, kNightShift, 1140, 720, 0, 1, 5);
    m.duty(1, kDayShift, 420, 720, 0, 1, 6);
    m.duty(2, kDayShift, 420, 455, 0, 1, 5);
    m.duty(2, kDayShift, 480, 455, 0, 1, 6);
    m.duty(3, kDayShift, 420, 195, 0, 1, 5);
    m.duty(3, kDayShift, 600, 195, 0, 1, 6);
    m.duty(5, kDayShift, 600, 300, 0, 1, 7);
    m.duty(5, kNightShift, 1140, 455, 0, 1, 5);

    const auto days = m.texts();
    ASSERT_EQ(days.size(), 30u);
    ASSERT_EQ(days[0].kto_zmiana.size(), 2u);
    EXPECT_EQ(days[0].kto_zmiana[0], "BO");
    EXPECT_EQ(days[0].kto_zmiana[1], "AN");
    EXPECT_EQ(days[0].kto_8 + days[0].kto_dopr + days[0].kto_inny, "");

    EXPECT_EQ(days[1].kto_8, "AN, <br><span class=maly>8-15<sup>35</sup></span><br>BO<br>");
    EXPECT_EQ(days[1].kto_inny, "");
    EXPECT_EQ(days[2].kto_dopr, "AN, <br><span class=maly>10-13<sup>15</sup></span><br>BO<br>");
    EXPECT_EQ(days[2].kto_inny, "");
    // An "8" length on another shift is not an "8" duty.
    EXPECT_EQ(days[4].kto_inny,
              "<span class=maly>19-2<sup>35</sup></span><br>AN<br>, "
              "<span class=maly>10-15</span><br>CE<br>");
    EXPECT_EQ(days[4].kto_8, "");
}

TEST(ScheduleTexts, DaysOffWithoutDutiesShowOnWorkingDays) {
    June m;
    m.day_off(8, 14, 'u', 1, 5);   // Monday to Sunday
    m.day_off(1, 7, 'z', 1, 6);    // Thursday the 4th is a holiday
    m.day_off(12, 13, '5', 1, 7);  // Friday and Saturday
    m.day_off(22, 22, 'b', 1, 7);
    m.day_off(23, 23, '\xBF', 1, 7);

    const auto days = m.texts();
    for (int d = 8; d <= 14; ++d)
        EXPECT_EQ(days[d - 1].kto_urlopy, d <= 12 ? "AN" : "") << "day " << d;
    for (int d = 1; d <= 7; ++d)
        EXPECT_EQ(days[d - 1].kto_zwolnienia, d == 4 || d > 5 ? "" : "BO") << "day " << d;
    EXPECT_EQ(days[11].kto_wolne, "<span class=w_za_5d>CE</span>");
    EXPECT_EQ(days[12].kto_wolne, "<span class=w_za_5d>CE</span>");
    EXPECT_EQ(days[21].kto_inne_wolne, "CE");
    EXPECT_EQ(days[22].kto_inne_wolne + days[22].kto_wolne, "");
}

TEST(ScheduleTexts, DaysOffBesideDuties) {
    June m;
    // "8" duties on every working day count as a plain replacement.
    m.duty(9, kDayShift, 420, 455, 0, 1, 5);
    m.duty(10, kDayShift, 420, 455, 0, 1, 5);
    m.day_off(9, 10, '7', 1, 5);
    // One duty of another length: every day of the range, whatever its weekday.
    m.duty(16, kDayShift, 420, 360, 0, 1, 6);
    m.duty(18, kDayShift, 420, 720, 0, 1, 6);
    m.day_off(16, 20, 'z', 1, 6);
    m.duty(17, kDayShift, 480, 360, 0, 1, 7);
    m.day_off(15, 17, '1', 1, 7);

    const auto days = m.texts();
    EXPECT_EQ(days[8].kto_wolne, "<span class=w_za_so>AN</span>");
    EXPECT_EQ(days[9].kto_wolne, "<span class=w_za_so>AN</span>");
    // The covered duties themselves are not listed as duties.
    EXPECT_EQ(days[8].kto_8, "");

    EXPECT_EQ(days[15].kto_zwolnienia, "<span class=maly>7-13</span><br><b>BO</b>");
    EXPECT_EQ(days[16].kto_zwolnienia, "BO");
    EXPECT_EQ(days[17].kto_zwolnienia, "<b>BO</b>");
    EXPECT_EQ(days[19].kto_zwolnienia, "BO");  // a Saturday

    EXPECT_EQ(days[14].kto_wolne, "<span class=w_za_sw>CE</span>");
    EXPECT_EQ(days[16].kto_wolne, "<span class=maly>8-14</span><br><span class=w_za_sw>CE</span>");
}

TEST(ScheduleTexts, CurrentGroupOnlyUnlessAllGroups) {
    June m;
    Group surgery = m.roster.groups[0];
    surgery.id = 2;
    m.roster.dodaj_grupe(surgery, false);
    m.worker(5).grupy = "1|2|";
    m.hire(8).grupy = "2|";
    m.worker(8).pseudo = "DI";
    m.duty(1, kDayShift, 420, 720, 0, 1, 5);
    m.duty(2, kDayShift, 420, 720, 0, 2, 5);
    m.duty(1, kDayShift, 420, 720, 0, 2, 8);
    m.day_off(8, 8, 'u', 2, 5);

    const auto own = m.texts();
    EXPECT_EQ(own[0].kto_zmiana[0], "AN");
    EXPECT_EQ(own[1].kto_zmiana[0], "");
    EXPECT_EQ(own[7].kto_urlopy, "");

    const auto all = m.texts(true);
    EXPECT_EQ(all[0].kto_zmiana[0], "AN, DI");
    EXPECT_EQ(all[1].kto_zmiana[0], "AN");
    EXPECT_EQ(all[7].kto_urlopy, "AN");
}

TEST(ScheduleTexts, NamesEscapedForHtmlMarkupKept) {
    June m;
    m.worker(5).pseudo = "<&\"";
    m.duty(2, kDayShift, 480, 455, 0, 1, 5);
    m.day_off(8, 8, '9', 1, 5);

    const auto days = m.texts(false, true);
    EXPECT_EQ(days[1].kto_8,
              "<br><span class=maly>8-15<sup>35</sup></span><br>&lt;&amp;&quot;<br>");
    EXPECT_EQ(days[7].kto_wolne, "<span class=w_za_ho>&lt;&amp;&quot;</span>");
    EXPECT_EQ(m.texts()[7].kto_wolne, "<span class=w_za_ho><&\"</span>");
}

TEST(ScheduleTexts, NoGroupGivesEmptyDays) {
    June m;
    m.duty(1, kDayShift, 420, 720, 0, 1, 5);
    m.roster.current_group = -1;
    const auto days = m.texts(true);
    ASSERT_EQ(days.size(), 30u);
    EXPECT_TRUE(days[0].kto_zmiana.empty());
}

}  // namespace
}  // namespace tabrel
