#include <gtest/gtest.h>

#include "editing/entry_operations.h"
#include "i18n/cp1250.h"
#include "support/ward_fixture.h"

namespace tabrel {
namespace {

using test::Ward;

// June 2024: Saturday the 1st, Monday the 3rd; 30 days.
constexpr int kYear = 2024;
constexpr int kJune = 6;

TEST(EntryOperations, DutyRemovalAsksFiltersAndLowersTheStaffingCounter) {
    Ward ward(kYear, kJune);
    ward.duty(3, 1, 420, 720);
    ward.duty(4, 2, 1140, 720, 0, 7);  // another group's duty
    ward.duty(5, 2, 1140, 720);
    ward.worker().duties[4].accepted = false;
    ward.worker().duties[4].weight = 0.5f;
    ward.roster.calendar.days[2].shift_counts[0] = 2;
    ward.roster.calendar.days[4].shift_counts[1] = 0;

    ward.prompter.answers = {false};
    EXPECT_EQ(usun_dyzur(ward.roster, ward.options, ward.prompter, 0, 1, 30, {}), 0);
    ASSERT_EQ(ward.prompter.asked.size(), 1u);
    EXPECT_EQ(cp1250_to_utf8(ward.prompter.asked[0]), "Czy napewno usunąć?");
    EXPECT_NE(ward.worker().duties[2].seq, 0);

    EXPECT_EQ(usun_dyzur(ward.roster, ward.options, ward.prompter, 0, 1, 30,
                         {.unaccepted_only = true, .silent = true}),
              1);
    EXPECT_EQ(ward.worker().duties[4].seq, 0);
    EXPECT_EQ(ward.worker().duties[4].day_no, 5);  // the rest of the slot stays
    EXPECT_FLOAT_EQ(ward.worker().duties[4].weight, 0.5f);
    EXPECT_EQ(ward.roster.calendar.days[4].shift_counts[1], 0);  // does not wrap

    EXPECT_EQ(usun_dyzur(ward.roster, ward.options, ward.prompter, 0, 1, 30, {.silent = true}), 1);
    EXPECT_EQ(ward.roster.calendar.days[2].shift_counts[0], 1);
    EXPECT_NE(ward.worker().duties[3].seq, 0);  // group 7 stays

    EXPECT_EQ(usun_dyzur(ward.roster, ward.options, ward.prompter, 0, 4, 4,
                         {.any_group = true, .silent = true}),
              1);
    EXPECT_EQ(ward.prompter.asked.size(), 1u);
}

TEST(EntryOperations, RemovingADutyInsideAnnualLeaveCountsTheLeaveAgain) {
    Ward ward(kYear, kJune);
    ward.worker().urlop = 6000;
    ward.day_off(3, 4, 'u');  // two working days of 7:35
    ward.worker().days_off[2].minutes = 910;
    ward.duty(4, 1, 420, 720);
    ward.worker().duties[3].day_off_marker = true;
    ward.worker().days_off[2].minutes = 720;  // booked while the duty stood

    usun_dyzur(ward.roster, ward.options, ward.prompter, 0, 4, 4, {.silent = true});
    EXPECT_EQ(ward.worker().days_off[2].minutes, 910);
    EXPECT_EQ(ward.worker().urlop, 6000 + 720 - 910);
}

TEST(EntryOperations, DayOffRemovalGivesLeaveBackAndClearsItsMarks) {
    Ward ward(kYear, kJune);
    Worker& w = ward.worker();
    w.opieka = 2;
    w.reha = 250;
    w.urlop = 100;
    ward.day_off(3, 5, 'o');
    ward.day_off(10, 11, 'u');
    ward.day_off(12, 12, 'h', 7);
    ward.day_off(17, 17, '\xBF');
    w.duties[16].day_off_marker = true;  // covered by an entry no longer there
    ward.roster.calendar.days[2].extra_count = 1;

    ward.prompter.answers = {false};
    EXPECT_EQ(usun_wolne(ward.roster, ward.options, ward.prompter, 0, 1, 30, {}), 0);
    EXPECT_EQ(w.opieka, 2);

    EXPECT_EQ(usun_wolne(ward.roster, ward.options, ward.prompter, 0, 1, 30, {.silent = true}), 3);
    EXPECT_EQ(w.opieka, 5);
    EXPECT_EQ(w.urlop, 100 + 2 * 455);
    EXPECT_EQ(w.reha, 250);  // another group's entry stays
    EXPECT_NE(w.days_off[11].seq, 0);
    EXPECT_EQ(ward.roster.calendar.days[2].extra_count, 0);
    for (int day : {3, 4, 5, 10, 11}) EXPECT_FALSE(w.duties[day - 1].day_off_marker) << day;
    EXPECT_TRUE(w.duties[16].day_off_marker);  // "Bez dyżuru" marks nothing, clears nothing
    EXPECT_TRUE(w.duties[11].day_off_marker);

    usun_wolne(ward.roster, ward.options, ward.prompter, 0, 12, 12,
               {.any_group = true, .silent = true});
    EXPECT_EQ(w.reha, 251);
}

TEST(EntryOperations, DutyInsertionRecomputesOnlyWhenAsked) {
    Ward ward(kYear, kJune);
    Duty d;
    d.duration = 720;
    d.worker_id = 5;
    d.group_id = 1;
    d.day_no = 3;
    d.shift_no = 2;
    ASSERT_TRUE(dodaj_dyzur(ward.roster, ward.options, d, false, 0));
    EXPECT_EQ(ward.worker().duties[2].start, 1140);
    EXPECT_EQ(ward.worker().summary.worked_total, 0);
    d.day_no = 4;
    ASSERT_TRUE(dodaj_dyzur(ward.roster, ward.options, d, true, 0));
    EXPECT_EQ(ward.worker().summary.worked_total, 1440);
    d.day_no = 31;
    EXPECT_FALSE(dodaj_dyzur(ward.roster, ward.options, d, true, 0));
}

TEST(EntryOperations, DayOffPastTheMonthEndIsCutWithANotice) {
    Ward ward(kYear, kJune);
    DayOff entry;
    entry.worker_id = 5;
    entry.group_id = 1;
    entry.from_day = 28;
    entry.to_day = 35;
    entry.kind = 'z';
    ASSERT_TRUE(dodaj_wolne(ward.roster, ward.prompter, entry, 0));
    EXPECT_EQ(ward.worker().days_off[27].to_day, 30);
    EXPECT_TRUE(ward.worker().duties[29].day_off_marker);
    ASSERT_EQ(ward.prompter.informed.size(), 1u);
    EXPECT_EQ(cp1250_to_utf8(ward.prompter.informed[0]),
              "Poprawiono końcowy dzień trwania wolnego z 35 na 30");
}

}  // namespace
}  // namespace tabrel
