#include <gtest/gtest.h>

#include "editing/day_off_form.h"
#include "i18n/cp1250.h"
#include "support/ward_fixture.h"

namespace tabrel {
namespace {

// June 2024 with an "8" of 8:00: Monday the 3rd to Friday the 7th are working days.
struct DayOffDialogTest : ::testing::Test {
    test::Ward ward{2024, 6};
    DayOffDialogTest() {
        ward.roster.groups[0].profile.day8 = 480;
        ward.lay_out();
    }
    DayOffForm form(int first_day) {
        return DayOffForm(ward.roster, ward.options, ward.prompter, 0, first_day);
    }
    Worker& worker() { return ward.worker(); }
};

TEST_F(DayOffDialogTest, KindListAndTheSpinsOfEachKind) {
    const auto choices = day_off_choices();
    EXPECT_EQ(cp1250_to_utf8(choices[0].text), "Bez dyżuru (daw. Na życzenie)");
    EXPECT_EQ(choices[8].text, "Inny ");
    EXPECT_EQ(cp1250_to_utf8(choices[15].text), "Na żądanie");
    std::string letters;
    for (const auto& c : choices) letters += c.letter;
    EXPECT_EQ(letters, "\xBFumwszoni17brdha9k");

    DayOffForm f = form(3);
    EXPECT_EQ(f.position(), 0);
    EXPECT_FALSE(f.length_visible());
    EXPECT_EQ(f.length_text(), "000:00");
    EXPECT_EQ(cp1250_to_utf8(f.from_label()), "Dnia: ");
    EXPECT_EQ(f.to_label(), "na zmianie nr:");
    EXPECT_EQ(f.second_max(), 2);
    f.set_first_day(20);  // the shift spin keeps its range
    EXPECT_EQ(f.second_min(), 0);

    f.choose_kind(1);
    EXPECT_EQ(f.to_label(), "Do:");
    EXPECT_EQ(f.second(), 20);
    EXPECT_EQ(f.second_max(), 30);
    f.set_first_day(3);
    f.set_second(4);
    EXPECT_EQ(f.length_text(), "16:00");
    f.set_first_day(5);  // the last day follows the first
    EXPECT_EQ(f.second(), 5);
    EXPECT_EQ(f.second_min(), 5);
    EXPECT_EQ(f.length_text(), "08:00");
}

TEST_F(DayOffDialogTest, NoDutyEntryHoldsTheShiftNumberAndTouchesNoAccount) {
    worker().urlop = 600;
    DayOffForm f = form(1);
    f.set_second(2);
    EXPECT_EQ(f.ok(), DayOffForm::Outcome::Closed);
    const DayOff& e = worker().days_off[0];
    EXPECT_EQ(e.kind, '\xBF');
    EXPECT_EQ(e.minutes, 2);
    EXPECT_EQ(e.to_day, 1);
    EXPECT_FALSE(worker().duties[0].day_off_marker);
    EXPECT_EQ(worker().urlop, 600);
}

TEST_F(DayOffDialogTest, AnnualLeaveTakesLastYearsFirst) {
    worker().urlop = 6000;
    worker().urlop_prev = 600;
    DayOffForm f = form(3);
    f.choose_kind(1);
    f.set_second(4);
    f.ok();
    EXPECT_EQ(worker().urlop_prev, 0);
    EXPECT_EQ(worker().urlop, 6000 - 360);
    EXPECT_EQ(worker().days_off[2].minutes, 960);
    EXPECT_TRUE(worker().duties[3].day_off_marker);

    worker().urlop_prev = 1200;
    DayOffForm g = form(10);
    g.choose_kind(1);
    g.set_second(11);
    g.ok();
    EXPECT_EQ(worker().urlop_prev, 240);
    EXPECT_EQ(worker().urlop, 5640);

    DayOffForm h = form(17);
    h.choose_kind(15);
    h.ok();
    EXPECT_EQ(worker().urlop, 5640 - 480);
    EXPECT_EQ(worker().days_off[16].kind, 'a');
    EXPECT_EQ(worker().summary.kind_minutes[15], 480);
}

TEST_F(DayOffDialogTest, CareAndRehabilitationLimitsRefuseAndKeepTheDialogOpen) {
    worker().opieka = 2;
    DayOffForm f = form(3);
    f.choose_kind(6);
    f.set_second(5);
    EXPECT_EQ(f.ok(), DayOffForm::Outcome::Stay);
    EXPECT_EQ(cp1250_to_utf8(ward.prompter.informed.at(0)),
              "Wybrana liczba dni przekracza limit dni opieki dla wybranego pracownika!\rWolnego "
              "nie dodano.");
    EXPECT_EQ(worker().days_off[2].seq, 0);
    EXPECT_EQ(worker().opieka, 2);
    f.set_second(4);
    EXPECT_EQ(f.ok(), DayOffForm::Outcome::Closed);
    EXPECT_EQ(worker().opieka, 0);

    worker().reha = 0;
    DayOffForm r = form(10);
    r.choose_kind(14);
    EXPECT_EQ(r.ok(), DayOffForm::Outcome::Stay);
    EXPECT_EQ(cp1250_to_utf8(ward.prompter.informed.at(1)),
              "Wybrana liczba dni przekracza limit dni urlopu rehabilitacyjnego dla wybranego "
              "pracownika!\rWolnego nie dodano.");
}

}  // namespace
}  // namespace tabrel
