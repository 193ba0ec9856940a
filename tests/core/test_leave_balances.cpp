#include <gtest/gtest.h>

#include <random>

#include "editing/day_off_form.h"
#include "editing/tile_commands.h"
#include "editing/tile_moves.h"
#include "i18n/cp1250.h"
#include "support/editing_ward.h"
#include "worktime/leave_account.h"
#include "worktime/summary_boxes.h"

namespace tabrel {
namespace {

// June 2024 (30 days, Monday the 3rd, "8" of 7:35) with worker 5 and the window's edits.
struct Leave : test::EditingWard {
    Leave() : EditingWard(2024, 6) {}

    // The day-off dialog at list position `kind` from `from` to `to`, OK pressed.
    bool book(int kind, int from, int to) {
        DayOffForm form(roster, options, prompter, 0, from);
        form.choose_kind(kind);
        form.set_second(to);
        return form.ok() == DayOffForm::Outcome::Closed;
    }
    void move(int from, int to) { move_day_off_tile(context, {TileKind::DayOff, 0, from - 1}, to); }
    void remove(int from) { kosz(context, "u0_" + std::to_string(from - 1)); }
};

constexpr int kAnnual = 1;
constexpr int kCare = 6;
constexpr int kRehabilitation = 14;
constexpr int kOnDemand = 15;

TEST(LeaveBalances, BookingBeyondWhatIsLeftGoesNegativeAndGivingBackCancels) {
    Leave g;
    Worker& w = g.worker();
    w.urlop = 600;
    w.reha = 250;
    ASSERT_TRUE(g.book(kAnnual, 3, 7));
    EXPECT_EQ(w.urlop, 600 - 2275);
    EXPECT_EQ(summary_boxes(w).leave_unused, "-27:55");
    g.remove(3);
    EXPECT_EQ(w.urlop, 600);

    g.day_off(10, 19, 'h');  // loaded from the month file: booked before
    g.remove(10);
    EXPECT_EQ(w.reha, 260);
}

// A three-day care leave moved keeps its three days and its marks, and past the month end it
// is cut with the notice and gives back the day it lost; annual leave moved onto a duty is
// worth that duty.
TEST(LeaveBalances, MovedDayOffKeepsItsLengthAndTakesItsMarksAlong) {
    Leave g;
    Worker& w = g.worker();
    w.opieka = 3;
    w.urlop = 6000;
    ASSERT_TRUE(g.book(kCare, 10, 12));
    g.move(10, 20);
    EXPECT_EQ(w.days_off[19].to_day, 22);
    for (int day = 9; day <= 23; ++day)
        EXPECT_EQ(w.duties[day - 1].day_off_marker, day >= 20 && day <= 22) << day;
    g.move(20, 29);
    EXPECT_EQ(w.days_off[28].to_day, 30);
    EXPECT_EQ(w.opieka, 1);
    EXPECT_FALSE(w.duties[21].day_off_marker);
    EXPECT_EQ(cp1250_to_utf8(g.prompter.informed.back()),
              "Poprawiono końcowy dzień trwania wolnego z 31 na 30");

    g.duty(18, 1, 420, 720);
    ASSERT_TRUE(g.book(kAnnual, 3, 4));
    g.move(3, 17);
    EXPECT_EQ(w.days_off[16].minutes, 720);
    EXPECT_EQ(w.urlop, 6000 - 720);
    EXPECT_TRUE(w.duties[17].day_off_marker);
}

// The balances after any edits equal the first ones less what the entries left are worth.
TEST(LeaveBalances, AnySequenceOfEditsLeavesTheBalancesOfTheEntriesLeft) {
    const int kinds[] = {kAnnual, kCare, kRehabilitation, kOnDemand, 5};
    for (unsigned seed = 1; seed <= 60; ++seed) {
        std::mt19937 random(seed);
        auto pick = [&](int n) { return static_cast<int>(random() % n); };
        Leave g;
        Worker& w = g.worker();
        w.urlop = 3000;
        w.urlop_prev = pick(2) * 900;
        w.opieka = 4;
        w.reha = 6;
        const int annual = w.urlop + w.urlop_prev;
        for (int n = pick(4); n > 0; --n) g.duty(1 + pick(30), 1, 420, 360 + 60 * pick(7));
        for (int step = 0; step < 12; ++step) {
            const int day = 1 + pick(30);
            const bool free = w.days_off[day - 1].seq == 0;
            if (free && pick(2)) g.book(kinds[pick(5)], day, std::min(30, day + pick(4)));
            if (!free && pick(2)) g.move(day, 1 + pick(30));
            if (!free && pick(3) == 0) g.remove(day);
        }
        int minutes = 0, care = 0, reha = 0;
        for (const DayOff& e : w.days_off) {
            if (e.seq == 0) continue;
            const int value = leave_minutes(g.roster.calendar, w, e.from_day, e.to_day, 455);
            if (e.kind == 'u' || e.kind == 'a') minutes += value;
            if (e.kind == 'o') care += e.to_day - e.from_day + 1;
            if (e.kind == 'h') reha += e.to_day - e.from_day + 1;
        }
        EXPECT_EQ(w.urlop + w.urlop_prev, annual - minutes) << seed;
        EXPECT_EQ(w.opieka, 4 - care) << seed;
        EXPECT_EQ(w.reha, 6 - reha) << seed;
    }
}

}  // namespace
}  // namespace tabrel
