#include <gtest/gtest.h>

#include "editing/duty_form.h"
#include "i18n/cp1250.h"
#include "support/ward_fixture.h"

namespace tabrel {
namespace {

// June 2024: 20 working days, so the group norm is 20 × 7:35 = 151:40 and its part left after
// whole 12-hour duties is 7:40. Shifts: 1 from 07:00, 2 from 19:00, both 12 hours.
struct DutyDialogTest : ::testing::Test {
    test::Ward ward{2024, 6};
    DutyForm form(int day = 5, int shift = 1) {
        return DutyForm(ward.roster, ward.options, ward.prompter, 0, day, shift);
    }
    int duties() const {
        int n = 0;
        for (const Duty& d : ward.roster.workers[0].duties) n += d.seq != 0;
        return n;
    }
};

TEST_F(DutyDialogTest, LengthsTypesAndTheEndRule) {
    DutyForm f = form(5, 2);
    EXPECT_EQ(cp1250_to_utf8(f.l_DateValue()), "5 czerwiec 2024");
    EXPECT_EQ(f.start(), 1140);
    EXPECT_EQ(f.length_of(DutyType::Eight), 455);
    EXPECT_EQ(f.length_of(DutyType::WholeShift), 720);
    EXPECT_EQ(f.length_of(DutyType::Remainder), 460);

    f.end_edited(360);  // 19:00 to 06:00
    EXPECT_EQ(f.type(), DutyType::Other);
    EXPECT_EQ(f.other_length(), 660);
    EXPECT_EQ(f.end(), 1800);
    f.end_edited(1140 + 460 - 1440);
    EXPECT_EQ(f.type(), DutyType::Remainder);
    f.end_edited(1140 + 455 - 1440);
    EXPECT_EQ(f.type(), DutyType::Eight);
    f.end_edited(1140);  // equal to the start: nothing, not a whole day
    EXPECT_EQ(f.other_length(), 0);

    // A shift longer than the first: "Całą zmianę" is that of the dialog's shift.
    ward.roster.groups[0].profile.shifts[1].zile = 600;
    DutyForm night = form(5, 2);
    night.end_edited(300);
    EXPECT_EQ(night.type(), DutyType::WholeShift);
    EXPECT_EQ(night.length(), 600);
    night.end_edited(420);
    EXPECT_EQ(night.type(), DutyType::Other);
    EXPECT_EQ(night.length(), 720);
}

TEST_F(DutyDialogTest, BarSlidesAShorterDutyInsideItsShift) {
    DutyForm f = form(5, 2);
    EXPECT_FALSE(f.bar().enabled);  // no type yet
    EXPECT_EQ(cp1250_to_utf8(f.caption()), "Czas trwania dyżuru: 00:00");
    EXPECT_EQ(f.from_caption(), "| 19:00");
    EXPECT_EQ(f.to_caption(), "07:00 |");

    f.choose_type(DutyType::Eight);
    EXPECT_EQ(
        f.bar(),
        (DutyBar{
            .enabled = true, .position = 0, .max = 719, .page = 455, .hint = "19:00 - 02:35"}));
    EXPECT_EQ(cp1250_to_utf8(f.caption()), "Czas trwania dyżuru: 07:35");
    f.move_bar(300);
    EXPECT_EQ(f.start(), 0);  // past midnight
    EXPECT_EQ(f.bar().position, 300);
    EXPECT_EQ(f.bar().hint, "00:00 - 07:35");
    EXPECT_EQ(f.end(), 455);
    f.scroll_bar(700);  // stops where the duty reaches the shift's end
    EXPECT_EQ(f.bar().position, 265);
    EXPECT_EQ(f.start(), 1405);

    f.choose_type(DutyType::WholeShift);
    EXPECT_FALSE(f.bar().enabled);
    EXPECT_EQ(f.end(), 1405 + 720);

    f.enter_other_length();
    f.leave_other_length(120);
    EXPECT_EQ(f.type(), DutyType::Other);
    EXPECT_EQ(f.bar().page, 120);
}

TEST_F(DutyDialogTest, OkRefusesWithoutTypeAndStoresMidnightAs1440) {
    DutyForm f = form(5, 1);
    EXPECT_EQ(f.ok(), DutyForm::Outcome::Stay);
    ASSERT_EQ(ward.prompter.informed.size(), 1u);
    EXPECT_EQ(cp1250_to_utf8(ward.prompter.informed[0]),
              "Aby dodać dyżur należy określić jego czas trwania!");
    EXPECT_EQ(duties(), 0);

    f.choose_type(DutyType::Other);
    f.leave_other_length(240);
    f.set_start(0);
    f.set_overtime(30);
    f.set_note("123456789012345678901234567890 cut");
    f.set_on_request(true);
    EXPECT_EQ(f.ok(), DutyForm::Outcome::Closed);
    const Duty& d = ward.worker().duties[4];
    EXPECT_EQ(d.start, 1440);
    EXPECT_EQ(d.duration, 240);
    EXPECT_EQ(d.overtime, 30);
    EXPECT_EQ(d.note, "123456789012345678901234567890");
    EXPECT_TRUE(d.on_request);
    EXPECT_EQ(d.shift_no, 1);
    EXPECT_TRUE(ward.prompter.asked.empty());  // 4 hours do not fill the norm
}

TEST_F(DutyDialogTest, SpreadOfferForAFullTimeWorkerWithoutHours) {
    DutyForm declined = form(5, 1);
    declined.choose_type(DutyType::Eight);
    ward.prompter.answers = {false};
    declined.ok();
    ASSERT_EQ(ward.prompter.asked.size(), 1u);
    EXPECT_EQ(cp1250_to_utf8(ward.prompter.asked[0]),
              "Czy rozpisać wybrany dyżur na cały miesiąc?");
    EXPECT_EQ(duties(), 1);

    ward.roster.workers[0].duties[4].seq = 0;
    ward.refresh(5, true);
    DutyForm spread = form(5, 1);
    spread.choose_type(DutyType::Eight);
    spread.ok();
    EXPECT_TRUE(spread.spread());
    EXPECT_EQ(duties(), 20);                    // every working day of June
    EXPECT_EQ(ward.worker().duties[7].seq, 0);  // Saturday the 8th

    ward.hire(6).etat = 50;
    DutyForm part_time(ward.roster, ward.options, ward.prompter, 1, 5, 1);
    part_time.choose_type(DutyType::Eight);
    part_time.ok();
    EXPECT_EQ(ward.prompter.asked.size(), 2u);
}

}  // namespace
}  // namespace tabrel
