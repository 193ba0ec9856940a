#include <gtest/gtest.h>

#include "i18n/cp1250.h"
#include "support/ward_fixture.h"
#include "worktime/day_properties.h"

namespace tabrel {
namespace {

// June 2024: Tuesday the 4th is a working day, 20 working days in all.
struct DayPropertiesTest : ::testing::Test {
    test::Ward ward{2024, 6};
    DayProperties open(int day) {
        return DayProperties(ward.roster, ward.options, ward.prompter, day, 1);
    }
};

TEST_F(DayPropertiesTest, MarkingATuesdayAsHolidayMovesTheNormBothWays) {
    EXPECT_EQ(calendar_popup(ward.roster, 0), CalendarPopup{});
    EXPECT_EQ(calendar_popup(ward.roster, 4), (CalendarPopup{.enabled = true}));
    ward.duty(4, 1, 420, 720);

    toggle_holiday(ward.roster, ward.options, 4);
    EXPECT_EQ(ward.roster.calendar.working_days, 19);
    EXPECT_EQ(ward.roster.calendar.group_norm, 19 * 455);
    EXPECT_TRUE(calendar_popup(ward.roster, 4).holiday_checked);
    EXPECT_EQ(ward.worker().summary.hours_S, 720);  // the selected worker follows

    toggle_holiday(ward.roster, ward.options, 4);
    EXPECT_EQ(ward.roster.calendar.working_days, 20);
    EXPECT_EQ(ward.roster.calendar.group_norm, 20 * 455);

    toggle_emergency_day(ward.roster, ward.options, 4);
    EXPECT_TRUE(calendar_popup(ward.roster, 4).er_duty_checked);
}

TEST_F(DayPropertiesTest, DefaultHolidayClearsAtOnceAndTheCalendarFollowsLater) {
    toggle_holiday(ward.roster, ward.options, 4);
    DayProperties p = open(4);
    EXPECT_TRUE(p.default_holiday_enabled());
    p.restore_default_holiday();
    EXPECT_FALSE(ward.roster.calendar.days[3].kalendarz_wlasny);
    EXPECT_TRUE(ward.roster.calendar.days[3].holiday);  // Cancel: nothing recomputed
    EXPECT_FALSE(open(4).default_holiday_enabled());
    recompute_month_norm(ward.roster, ward.options);
    EXPECT_FALSE(ward.roster.calendar.days[3].holiday);
}

TEST_F(DayPropertiesTest, NotesLimitAndOk) {
    DayProperties p = open(6);
    EXPECT_EQ(cp1250_to_utf8(p.notes_counter()), "Notatki: (pozostało znaków: 255)");
    p.set_notes(std::string(300, 'x'));
    EXPECT_EQ(p.notes().size(), 255u);
    EXPECT_EQ(cp1250_to_utf8(p.notes_counter()), "Notatki: (pozostało znaków: 0)");
    p.set_er_duty(true);
    EXPECT_FALSE(day_notes_visible(ward.roster, 6));  // not before OK
    p.apply();
    EXPECT_EQ(ward.roster.calendar.days[5].kalendarz_notatki, std::string(255, 'x'));
    EXPECT_TRUE(ward.roster.calendar.days[5].kalendarz_ostre_dyzury);
    EXPECT_TRUE(day_notes_visible(ward.roster, 6));

    DayProperties reopened = open(6);
    EXPECT_TRUE(reopened.er_duty());
    reopened.set_notes("");
    EXPECT_TRUE(ward.roster.calendar.days[5].kalendarz_ostre_dyzury);  // Cancel keeps them
    EXPECT_EQ(ward.roster.calendar.days[5].kalendarz_notatki.size(), 255u);
}

TEST_F(DayPropertiesTest, DutyListShowsTheGroupsUncoveredDutiesAndDeletesThroughTheRemoval) {
    ward.hire(6).imie = "Ewa";
    ward.hire(7);
    ward.duty(10, 2, 1140, 720, 0, 1, 5);
    ward.duty(10, 1, 420, 480, 0, 1, 6);
    ward.duty(10, 1, 420, 720, 0, 9, 7);  // another group
    ward.day_off(10, 10, 'u');            // covers worker 5's duty
    ward.duty(12, 1, 420, 720, 0, 9, 7);

    EXPECT_TRUE(open(12).duties().empty());
    DayProperties p = open(10);
    ASSERT_EQ(p.duties().size(), 1u);
    EXPECT_EQ(p.duties()[0].worker, 2);
    EXPECT_EQ(p.hint(0), "[Ewa Nowak] 07:00 - 15:00");
    EXPECT_EQ(p.hint(1), "");

    ward.prompter.answers = {false};
    p.delete_duty(0);
    EXPECT_FALSE(p.duty_deleted());
    p.delete_duty(0);
    EXPECT_TRUE(p.duty_deleted());
    EXPECT_TRUE(p.duties().empty());
    EXPECT_EQ(ward.worker(6).duties[9].seq, 0);
    EXPECT_EQ(ward.prompter.asked.size(), 2u);
}

}  // namespace
}  // namespace tabrel
