#include <gtest/gtest.h>

#include "editing/worker_list_rows.h"
#include "support/ward_fixture.h"

namespace tabrel {
namespace {

using test::Ward;

// Worker 5 (index 0) is a member, worker 6 (index 1) a blocked member, worker 7 (index 2) is in
// group 2 only.
struct ListWard : Ward {
    ViewState view;

    ListWard() : Ward(2024, 5) {
        hire(6).old = true;
        Worker& other = hire(7);
        other.grupy = "2|";
        other.nazwisko = "Kowal";
        other.imie = "Jan";
    }

    std::vector<int> listed(int first = 0, int last = 99) const {
        std::vector<int> out;
        for (const WorkerListRow& row : odswiez_liste_prac_panel(roster, view, first, last))
            out.push_back(row.worker);
        return out;
    }
};

TEST(WorkerList, MembersOrEveryoneAndBlockedOnlyOnRequest) {
    ListWard w;
    const std::vector<WorkerListRow> rows = odswiez_liste_prac_panel(w.roster, w.view, 0, 99);
    EXPECT_EQ(rows, (std::vector<WorkerListRow>{{0, "0000=Nowak Anna", false}}));
    w.view.show_deleted = true;
    EXPECT_EQ(w.listed(), (std::vector<int>{0, 1}));
    w.view.show_all_workers = true;
    EXPECT_EQ(w.listed(), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(w.listed(1, 1), (std::vector<int>{1}));
    w.view.show_all_workers = false;
    w.roster.current_group = -1;
    EXPECT_TRUE(w.listed().empty());
}

TEST(WorkerList, SelectionAfterARebuildAndTemporaryRows) {
    ListWard w;
    w.view.show_all_workers = true;
    std::vector<WorkerListRow> rows = odswiez_liste_prac_panel(w.roster, w.view, 0, 99);
    EXPECT_EQ(row_to_select(rows, 2), 1u);
    EXPECT_EQ(row_to_select(rows, 1), 0u);
    EXPECT_FALSE(row_to_select({}, 0));

    w.view.show_all_workers = false;
    rows = odswiez_liste_prac_panel(w.roster, w.view, 0, 99);
    add_temporary_rows(rows, w.roster, {2, 0, 2, 1, 17});
    EXPECT_EQ(rows, (std::vector<WorkerListRow>{{0, "0000=Nowak Anna", false},
                                                {2, "0002=Kowal Jan\xA4", true},
                                                {1, "0001=Nowak Anna\xA4", true}}));
}

TEST(WorkerList, RowLookWithNormBarAndTally) {
    ListWard w;
    Worker& anna = w.worker();
    anna.kolor = rgb(4, 5, 6);
    anna.pseudo = "AN";
    anna.norma = 600;
    anna.summary.worked_total = 200;
    anna.summary.leave_toward_norm = 100;
    anna.summary.hours_S = 720;
    anna.summary.hours_N = 1200;
    anna.duty_count = 3;
    const WorkerListRow row{0, "0000=Nowak Anna", false};

    WorkerRowLook look = worker_row_look(w.roster, w.options, row, false);
    EXPECT_EQ(look.mark, rgb(4, 5, 6));
    EXPECT_EQ(look.mark_text, "AN");
    EXPECT_EQ(look.name, "Nowak Anna");
    EXPECT_TRUE(look.bold);
    EXPECT_FALSE(look.strike_out);
    ASSERT_TRUE(look.bar);
    EXPECT_EQ(look.bar->length, 70);
    EXPECT_EQ(look.bar->colour, kBelowNorm);
    EXPECT_EQ(look.text_colour, kWindowTextColour);
    EXPECT_EQ(look.tally, " 12:00/3/2");  // 20 night hours by 8-hour nights: 2.5, halves to even
    EXPECT_EQ(look.tally_colour, kTallyColour);

    anna.summary.worked_total = 500;
    look = worker_row_look(w.roster, w.options, row, true);
    EXPECT_EQ(look.bar->length, 140);
    EXPECT_EQ(look.bar->colour, kAtNorm);
    EXPECT_EQ(look.text_colour, clWhite);
    EXPECT_EQ(look.tally_colour, clWhite);

    anna.summary.worked_total = 1900;
    EXPECT_EQ(worker_row_look(w.roster, w.options, row, false).bar->length, 140);
    EXPECT_EQ(worker_row_look(w.roster, w.options, row, false).bar->colour, kAboveNorm);
    anna.summary.worked_total = -400;
    EXPECT_EQ(worker_row_look(w.roster, w.options, row, false).bar->length, 0);
    anna.norma = 0;
    EXPECT_FALSE(worker_row_look(w.roster, w.options, row, false).bar);

    w.options.noc_do = 0;
    const WorkerRowLook blocked =
        worker_row_look(w.roster, w.options, {1, "0001=Nowak Anna\xA4", true}, false);
    EXPECT_TRUE(blocked.strike_out);
    EXPECT_EQ(blocked.text_colour, kTemporaryRowText);
    EXPECT_EQ(blocked.tally, "");
    EXPECT_FALSE(worker_row_look(w.roster, w.options, {2, "", true}, false).bold);
}

}  // namespace
}  // namespace tabrel
