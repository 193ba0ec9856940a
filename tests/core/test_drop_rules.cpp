#include <gtest/gtest.h>

#include <functional>

#include "editing/bulk_deletion.h"
#include "editing/day_off_form.h"
#include "editing/duty_form.h"
#include "editing/grid_drop.h"
#include "editing/keyboard_entry.h"
#include "editing/tile_commands.h"
#include "i18n/cp1250.h"
#include "support/ward_fixture.h"

namespace tabrel {
namespace {

using Kind = DropSource::Kind;

// The dialogs as a user drives them: a script runs on the form while it is shown.
struct ScriptedDutyDialog : DutyFormView {
    std::function<void(DutyForm&)> script;
    int shown = 0;
    void show(DutyForm& form) override {
        ++shown;
        if (script) script(form);
    }
};

struct ScriptedDayOffDialog : DayOffFormView {
    std::function<void(DayOffForm&)> script;
    int shown = 0;
    void show(DayOffForm& form) override {
        ++shown;
        if (script) script(form);
    }
};

// June 2024 (30 days, Monday the 3rd) with workers 5 ("ANo") and 6 ("BKo") of group 1.
struct Grid : test::Ward {
    ViewState view;
    ScriptedDutyDialog duty_dialog;
    ScriptedDayOffDialog day_off_dialog;
    EditContext context{roster, options, prompter, view, duty_dialog, day_off_dialog};

    Grid() : Ward(2024, 6) {
        worker(5).pseudo = "ANo";
        hire(6).pseudo = "BKo";
    }
    Redisplay drop(Kind kind, int day, int shift, bool ctrl = false, std::string tile = {}) {
        return drop_on_grid(context, {kind, std::move(tile)}, day, shift, ctrl);
    }
    std::vector<std::string> told() const {
        std::vector<std::string> out;
        for (const auto& t : prompter.informed) out.push_back(cp1250_to_utf8(t));
        return out;
    }
    int16_t counter(int day, int shift) const {
        return roster.calendar.days[day - 1].shift_counts[shift - 1];
    }
};

using Texts = std::vector<std::string>;

TEST(DropRules, CommonAndNewDutyRefusalsLeaveTheRosterUnchanged) {
    Grid g;
    g.duty(4, 1, 420, 720);

    g.worker().old = true;
    g.drop(Kind::DutyPanel, 5, 1);
    g.worker().old = false;
    g.drop(Kind::WorkerList, 4, 2);
    EXPECT_EQ(g.told(), (Texts{"Wybrany pracownik jest zablokowany. Nie można wykonać polecenia.",
                               "Wybrany pracownik ma już wstawiony dyżur w wybranym dniu."}));

    g.day_off(10, 12, 'u');
    g.drop(Kind::DutyPanel, 10, 1);  // first day of a day off: nothing, silently
    EXPECT_EQ(g.prompter.informed.size(), 2u);
    EXPECT_EQ(g.duty_dialog.shown, 0);

    g.day_off(20, 20, '\xBF');
    g.prompter.answers = {false};
    g.drop(Kind::DutyPanel, 20, 1);
    ASSERT_EQ(g.prompter.asked.size(), 1u);
    EXPECT_EQ(cp1250_to_utf8(g.prompter.asked[0]),
              "Wybrany pracownik nie chce pracować na tej zmianie. \r\rZignorować to i wstawić "
              "dyżur?");
    EXPECT_EQ(g.duty_dialog.shown, 0);
    for (int day : {5, 10, 20}) EXPECT_EQ(g.worker().duties[day - 1].seq, 0) << day;
    EXPECT_EQ(g.drop(Kind::DutyPanel, 31, 1), Redisplay{});  // not a day of June

    Grid empty;
    empty.roster.workers.clear();
    empty.drop(Kind::DayOffPanel, 3, 1);
    EXPECT_EQ(empty.told(), Texts{"Najpierw należy dodać pracownika."});
}

TEST(DropRules, NewDutyInsideADayOffCarriesTheMarkAndCorrectsTheLeave) {
    Grid g;
    g.worker().urlop = 3000;
    g.day_off(10, 12, 'u');  // Monday to Wednesday
    g.worker().days_off[9].minutes = 3 * 455;
    g.duty_dialog.script = [](DutyForm& f) {
        f.choose_type(DutyType::WholeShift);
        EXPECT_EQ(f.ok(), DutyForm::Outcome::Closed);
    };
    const Redisplay shown = g.drop(Kind::DutyPanel, 11, 1);
    EXPECT_EQ(g.duty_dialog.shown, 1);
    const Duty& d = g.worker().duties[10];
    ASSERT_NE(d.seq, 0);
    EXPECT_TRUE(d.day_off_marker);
    EXPECT_EQ(d.start, 420);
    // The leave is now worth the duty's 12 hours instead of three "8" days.
    EXPECT_EQ(g.worker().days_off[9].minutes, 720);
    EXPECT_EQ(g.worker().urlop, 3000 + 3 * 455 - 720);
    EXPECT_EQ(shown, (Redisplay{.duties = true, .days_off = true, .day = 11, .worker_list = true}));
}

TEST(DropRules, CtrlDropInsertsAWholeShiftAtOnceAndYesOverrulesNoDuty) {
    Grid g;
    g.day_off(7, 7, '\xBF');
    g.drop(Kind::DutyPanel, 7, 2, true);
    EXPECT_EQ(g.prompter.asked.size(), 1u);
    EXPECT_EQ(g.duty_dialog.shown, 0);
    const Duty& d = g.worker().duties[6];
    ASSERT_NE(d.seq, 0);
    EXPECT_EQ(d.start, 1140);
    EXPECT_EQ(d.duration, 720);
    EXPECT_EQ(d.shift_no, 2);
    EXPECT_EQ(d.group_id, 1);
    EXPECT_TRUE(d.accepted);
    EXPECT_EQ(g.worker().summary.worked_total, 720);
}

TEST(DropRules, DutyTileMoveCopyAndShiftChange) {
    Grid g;
    g.duty(3, 1, 420, 720);
    g.roster.calendar.days[2].shift_counts = {1, 0};

    g.drop(Kind::Tile, 5, 1, true, "p0_2");  // Ctrl: copied
    EXPECT_NE(g.worker().duties[2].seq, 0);
    EXPECT_EQ(g.worker().duties[4].day_no, 5);
    EXPECT_EQ(g.counter(3, 1), 1);

    g.drop(Kind::Tile, 4, 1, true, "p0_4");  // move: source emptied, its counter drops
    g.drop(Kind::Tile, 6, 1, false, "p0_2");
    EXPECT_EQ(g.worker().duties[2].seq, 0);
    EXPECT_EQ(g.worker().duties[2].day_no, 0);
    EXPECT_EQ(g.counter(3, 1), 0);
    EXPECT_NE(g.worker().duties[5].seq, 0);

    g.drop(Kind::Tile, 4, 1, false, "p0_5");  // occupied target
    EXPECT_EQ(g.told(), Texts{"Wybrany pracownik ma już wstawiony dyżur w wybranym dniu."});
    EXPECT_NE(g.worker().duties[5].seq, 0);

    g.drop(Kind::Tile, 6, 2, false, "p0_5");  // another shift of the same day
    const Duty& night = g.worker().duties[5];
    EXPECT_NE(night.seq, 0);
    EXPECT_EQ(night.shift_no, 2);
    EXPECT_EQ(night.start, 1140);
    EXPECT_EQ(night.duration, 720);

    g.drop(Kind::Tile, 6, 1, true, "p0_5");   // the same with Ctrl would be a second duty
    g.drop(Kind::Tile, 6, 2, false, "p0_5");  // back on its own cell
    EXPECT_EQ(g.prompter.informed.size(), 3u);
    EXPECT_EQ(night.shift_no, 2);
}

TEST(DropRules, DayOffTileMove) {
    Grid g;
    g.day_off(3, 3, 'z');
    g.day_off(10, 12, 'u');
    g.roster.calendar.days[2].extra_count = 1;

    g.drop(Kind::Tile, 3, 1, false, "u0_2");   // its own first day
    g.drop(Kind::Tile, 10, 2, false, "u0_2");  // another entry begins there
    EXPECT_EQ(g.told().size(), 2u);
    EXPECT_EQ(g.told()[0], "Wybrany pracownik ma już wstawione wolne w wybranym dniu.");

    g.drop(Kind::Tile, 5, 1, false, "u0_2");
    EXPECT_EQ(g.worker().days_off[2].seq, 0);
    EXPECT_EQ(g.worker().days_off[4].from_day, 5);
    EXPECT_EQ(g.worker().days_off[4].to_day, 5);
    EXPECT_EQ(g.roster.calendar.days[2].extra_count, 0);
    EXPECT_FALSE(g.worker().duties[2].day_off_marker);  // the marks move with the entry

    g.drop(Kind::Tile, 8, 1, false, "u0_9");  // a longer entry keeps its length
    EXPECT_EQ(g.worker().days_off[7].to_day, 10);
    g.drop(Kind::Tile, 15, 1, false, "u0_7");
    EXPECT_EQ(g.worker().days_off[14].from_day, 15);
    EXPECT_EQ(g.worker().days_off[14].to_day, 17);
}

TEST(DropRules, TrashAsksNothingButUsunAsksForAnOnRequestDuty) {
    Grid g;
    g.duty(3, 1, 420, 720);
    g.duty(4, 1, 420, 720, 0, 7);  // another group's duty goes to the trash as well
    g.worker().duties[2].on_request = true;
    g.worker().duties[3].on_request = true;
    kosz(g.context, "p0_3");
    EXPECT_EQ(g.worker().duties[3].seq, 0);
    EXPECT_TRUE(g.prompter.asked.empty());

    g.prompter.answers = {false};
    delete_tile(g.context, "p0_2");
    ASSERT_EQ(g.prompter.asked.size(), 1u);
    EXPECT_EQ(cp1250_to_utf8(g.prompter.asked[0]),
              "Dyżur, który chcesz usunąć został oznaczony jako \"na życzenie\"\r Czy na pewno go "
              "usunąć?");
    EXPECT_NE(g.worker().duties[2].seq, 0);
    delete_tile(g.context, "p0_2");
    EXPECT_EQ(g.worker().duties[2].seq, 0);

    g.worker().opieka = 0;
    g.day_off(10, 12, 'o');
    delete_tile(g.context, "u0_9");
    EXPECT_EQ(g.worker().opieka, 3);
    EXPECT_EQ(g.prompter.asked.size(), 2u);
    EXPECT_EQ(kosz(g.context, "x0_1"), Redisplay{});
}

TEST(DropRules, PopupAndEditKeepTheDutyOnItsSlot) {
    Grid g;
    g.duty(3, 2, 1140, 720, 60);
    EXPECT_EQ(tile_popup(g.roster, "p0_2"), (TilePopup{.edit_visible = true}));
    g.worker().old = true;
    EXPECT_EQ(tile_popup(g.roster, "u0_2"), (TilePopup{.restore_enabled = true}));
    g.worker().old = false;

    g.roster.calendar.days[2].shift_counts = {0, 1};
    g.duty_dialog.script = [](DutyForm& f) {
        EXPECT_TRUE(f.editing());
        EXPECT_EQ(f.type(), DutyType::WholeShift);
        EXPECT_EQ(f.overtime(), 60);
        f.set_note("po zmianie");
        f.ok();
    };
    edit_tile(g.context, "p0_2");
    const Duty& d = g.worker().duties[2];
    EXPECT_EQ(d.note, "po zmianie");
    EXPECT_EQ(d.duration, 720);
    EXPECT_EQ(d.overtime, 60);
    EXPECT_EQ(g.counter(3, 2), 0);  // its tile is counted again when laid out
}

TEST(DropRules, KeyboardEntryAndTypeToSelect) {
    Grid g;
    add_duty_at_selection(g.context);
    EXPECT_EQ(g.told(), Texts{"Zaznacz na kalendarzu prawidłowy dzień lub noc, \r w którym ma "
                              "być wstawiony dyżur."});

    g.view.selected_day = 4;
    g.view.selected_shift = 2;
    add_day_off_at_selection(g.context);
    EXPECT_EQ(g.day_off_dialog.shown, 1);

    g.duty_dialog.script = [&](DutyForm& f) {
        EXPECT_EQ(cp1250_to_utf8(f.l_prac_idx()), "Nowak Anna");
        f.choose_type(DutyType::Eight);
        f.ok();
    };
    TypeToSelect keys;
    keys.key_typed("b");
    keys.key_typed("KO");
    g.duty(4, 1, 420, 720, 0, 1, 6);  // the chosen worker already works on the 4th
    g.refresh(6, true);
    keys.shift_released(g.context);
    EXPECT_EQ(keys.typed(), "");
    EXPECT_EQ(g.told().back(), "Wybrany pracownik ma już wstawiony dyżur w wybranym dniu.");

    g.view.selected_day = 5;
    keys.key_typed("bko");
    keys.shift_released(g.context);
    EXPECT_EQ(g.worker(6).duties[4].duration, 455);
    EXPECT_EQ(g.worker(5).duties[4].seq, 0);
}

TEST(DropRules, NewDayOffIsRefusedInsideAnotherAndOpensTheDialogOtherwise) {
    Grid g;
    g.day_off(10, 12, 's');
    g.drop(Kind::DayOffPanel, 11, 1);
    EXPECT_EQ(g.told(), Texts{"Wybrany pracownik ma już wstawione wolne w wybranym dniu."});
    EXPECT_EQ(g.day_off_dialog.shown, 0);

    g.day_off_dialog.script = [](DayOffForm& f) {
        f.choose_kind(5);
        f.set_second(14);
        f.ok();
    };
    g.drop(Kind::DayOffPanel, 13, 2);
    EXPECT_EQ(g.worker().days_off[12].kind, 'z');
    EXPECT_EQ(g.worker().days_off[12].to_day, 14);
    EXPECT_TRUE(g.worker().duties[13].day_off_marker);
}

TEST(BulkDeletion, AllDutiesOfTheGroupLeaveOtherGroupsAndAskFirst) {
    Grid g;
    g.duty(3, 1, 420, 720);
    g.duty(4, 1, 420, 720, 0, 7);
    g.duty(5, 2, 1140, 720, 0, 1, 6);
    g.refresh(6, true);
    g.prompter.answers = {false};
    delete_all_duties(g.context);
    EXPECT_EQ(cp1250_to_utf8(g.prompter.asked[0]),
              "Usunąć wszystkie dyżury w wybranym miesiącu dla wybranej grupy? \r Uwaga! Podjętej "
              "decyzji już nie będzie można cofnąć.");
    EXPECT_NE(g.worker().duties[2].seq, 0);

    delete_all_duties(g.context);
    EXPECT_EQ(g.worker().duties[2].seq, 0);
    EXPECT_EQ(g.worker(6).duties[4].seq, 0);
    EXPECT_NE(g.worker().duties[3].seq, 0);
    EXPECT_EQ(g.worker(6).summary.worked_total, 0);

    delete_worker_duties(g.context);  // the selected worker's, of every group
    EXPECT_EQ(g.worker().duties[3].seq, 0);
    EXPECT_EQ(g.prompter.asked.size(), 3u);
}

TEST(BulkDeletion, DaysOffGiveTheirLeaveBack) {
    Grid g;
    g.day_off(3, 4, 'u');
    g.day_off(10, 10, 'h', 7);
    g.day_off(5, 5, 'o', 1, 6);
    delete_all_days_off(g.context);
    EXPECT_EQ(g.worker().urlop, 2 * 455);
    EXPECT_EQ(g.worker(6).opieka, 1);
    EXPECT_NE(g.worker().days_off[9].seq, 0);
    delete_worker_days_off(g.context);
    EXPECT_EQ(g.worker().reha, 1);
    EXPECT_EQ(cp1250_to_utf8(g.prompter.asked[1]),
              "Usunąć wszystkie wolne w wybranym miesiącu \r dla wybranego pracownika?");
}

}  // namespace
}  // namespace tabrel
