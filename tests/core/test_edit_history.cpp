#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "editing/bulk_deletion.h"
#include "editing/day_off_form.h"
#include "editing/day_properties.h"
#include "editing/edit_history.h"
#include "editing/grid_drop.h"
#include "editing/tile_commands.h"
#include "editing/tile_moves.h"
#include "editing/tile_name.h"
#include "editing/worker_editor.h"
#include "i18n/cp1250.h"
#include "model/register_order.h"
#include "support/editing_ward.h"
#include "worktime/month_save.h"
#include "worktime/worker_norm.h"

namespace tabrel {
namespace {

// June 2024 with `staff` workers of group 1, leave to book, and the window's edits.
struct Edited : test::EditingWard {
    EditHistory history;

    explicit Edited(int staff) : EditingWard(2024, 6) {
        for (int id = 6; id < 5 + staff; ++id) hire(static_cast<uint16_t>(id));
        for (Worker& w : roster.workers) {
            w.pseudo = "P" + std::to_string(w.id);
            w.urlop = 3000;
            w.opieka = 2;
            w.reha = 5;
            w.carry_auto = w.carry_total = 90;
        }
    }
    // Runs an edit and records it as the window does.
    void edit(EditScope scope, const std::function<void()>& change) {
        const RosterState before = capture_state(roster);
        change();
        history.record("", scope, before, capture_state(roster));
    }
    // The month file a save would write now; saving recomputes summaries, so on a copy.
    std::string saved() const {
        Roster copy = roster;
        return month_file_text(copy, options, "2024-06-30");
    }
};

// One random edit through the editing functions the window calls.
void random_edit(Edited& g, std::mt19937& random) {
    auto pick = [&](int n) { return static_cast<int>(random() % n); };
    const int count = static_cast<int>(g.roster.workers.size());
    const int w = pick(count), day = 1 + pick(30), shift = 1 + pick(2);
    const auto month = [&](const std::function<void()>& f) { g.edit(EditScope::Month, f); };
    const auto staff = [&](const std::function<void()>& f) { g.edit(EditScope::Staff, f); };
    switch (pick(10)) {
        case 0:
        case 1:
            month([&] {
                g.roster.current_worker = static_cast<uint16_t>(w);
                drop_on_grid(g.context, {DropSource::Kind::DutyPanel, {}}, day, shift, true);
            });
            break;
        case 2:
            month([&] {
                move_duty_tile(g.context, {TileKind::Duty, w, pick(30)}, day, shift, pick(2) == 0);
            });
            break;
        case 3:
            month([&] {
                kosz(g.context,
                     tile_name({pick(2) ? TileKind::Duty : TileKind::DayOff, w, day - 1}));
            });
            break;
        case 4:
            month([&] {
                const int kinds[] = {1, 6, 14, 5};
                DayOffForm form(g.roster, g.options, g.prompter, w, day);
                form.choose_kind(kinds[pick(4)]);
                form.set_second(std::min(30, day + pick(3)));
                form.ok();
            });
            break;
        case 5:
            month([&] {
                move_day_off_tile(g.context, {TileKind::DayOff, w, day - 1}, 1 + pick(30));
            });
            break;
        case 6:
            month([&] {
                g.roster.current_worker = static_cast<uint16_t>(w);
                pick(2) ? delete_worker_duties(g.context) : delete_all_days_off(g.context);
            });
            break;
        case 7:
            month([&] {
                pick(2) ? toggle_holiday(g.roster, g.options, day)
                        : (nadpracowania_auto_zeruj(g.roster), NormStatus{});
            });
            break;
        case 8:
            staff([&] {
                if (!restore_worker(g.roster, w)) delete_worker(g.roster, g.prompter, w);
            });
            break;
        default:
            staff([&] { move_worker(g.roster, w, pick(count)); });
    }
}

TEST(EditHistory, UndoingEveryEditRestoresStateAndFileAndRedoingReturns) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::mt19937 random(seed);
        Edited g(2 + static_cast<int>(random() % 3));
        for (int n = static_cast<int>(random() % 4); n > 0; --n)
            g.duty(1 + static_cast<int>(random() % 30), 1, 420, 720);
        const RosterState first = capture_state(g.roster);
        const std::string first_file = g.saved();
        for (int step = 0; step < 25; ++step) random_edit(g, random);
        const RosterState last = capture_state(g.roster);
        const std::string last_file = g.saved();
        const size_t steps = g.history.done();

        for (size_t n = 0; n < steps; ++n) ASSERT_EQ(g.history.undo(g.roster), std::nullopt);
        EXPECT_FALSE(g.history.can_undo());
        EXPECT_TRUE(capture_state(g.roster) == first) << seed;
        EXPECT_EQ(g.saved(), first_file) << seed;
        for (size_t n = 0; n < steps; ++n) ASSERT_EQ(g.history.redo(g.roster), std::nullopt);
        EXPECT_TRUE(capture_state(g.roster) == last) << seed;
        EXPECT_EQ(g.saved(), last_file) << seed;
    }
}

TEST(EditHistory, RefusesWholeStepsOnRecordsGoneMeanwhileAndForgetsTheMonthLeft) {
    Edited g(2);
    g.roster.current_worker = 1;
    g.edit(EditScope::Month, [&] {
        drop_on_grid(g.context, {DropSource::Kind::DutyPanel, {}}, 3, 1, true);
    });
    g.edit(EditScope::Month, [&] {
        move_duty_tile(g.context, {TileKind::Duty, 1, 2}, 4, 1, false);
    });
    EXPECT_EQ(cp1250_to_utf8(g.history.undo_label()), "przeniesienie dyżuru");
    g.worker(6).old = true;  // deleted outside the history
    const RosterState deleted = capture_state(g.roster);
    EXPECT_NE(g.history.undo(g.roster), std::nullopt);
    EXPECT_TRUE(capture_state(g.roster) == deleted);
    EXPECT_EQ(g.history.done(), 2u);
    g.worker(6).old = false;

    // A worker added, given a duty, then the month left: the addition cannot go while the
    // worker holds the duty, and goes once it does not.
    g.edit(EditScope::Staff, [&] { g.hire(9); });
    g.roster.current_worker = 2;
    g.edit(EditScope::Month, [&] {
        drop_on_grid(g.context, {DropSource::Kind::DutyPanel, {}}, 8, 2, true);
    });
    g.history.leave_month();
    EXPECT_EQ(g.history.steps().size(), 1u);
    EXPECT_NE(g.history.undo(g.roster), std::nullopt);
    kosz(g.context, "p2_7");
    EXPECT_EQ(g.history.undo(g.roster), std::nullopt);
    EXPECT_EQ(g.roster.worker_index(9), -1);

    for (int n = 0; n < 205; ++n)
        g.edit(EditScope::Month, [&] { toggle_holiday(g.roster, g.options, 1 + n % 30); });
    EXPECT_EQ(g.history.steps().size(), EditHistory::kLimit);
}

}  // namespace
}  // namespace tabrel
