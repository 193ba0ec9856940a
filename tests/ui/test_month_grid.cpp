#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <random>

#include "editing/duty_form.h"
#include "editing/tile_name.h"
#include "find_widget.h"
#include "grid_painter.h"
#include "window_fixture.h"

using namespace tabrel;
using namespace tabrel::test;

namespace {

constexpr int kYear = 2025;
constexpr int kMonth = 3;  // March 2025 begins on a Saturday
constexpr int kTuesday = 4;
constexpr int kWednesday = 5;
const std::string kFirstTile = "p0_3";  // worker 0's duty on the 4th

const Duty& duty_of(Program& p, int worker, int day) {
    return p.app.roster().workers[worker].duties[day - 1];
}

struct WardProgram : Program {
    WardProgram() {
        app.roster().groups = {ward_group()};
        app.roster().workers = {ward_worker(1, "Nowak", "AK"), ward_worker(2, "Wójcik", "OW"),
                                ward_worker(3, "Zając", "EZ")};
    }
};

}  // namespace

class TestMonthGrid : public QObject {
    Q_OBJECT
private slots:
    void ctrl_drop_of_the_duty_panel_places_a_whole_shift_with_its_tile() {
        WardProgram p;
        MainWindow form(p.app);
        show_on_month(form, kYear, kMonth);
        QVERIFY(
            drop_on(form.grid(), cell(form, kTuesday, 1), {DropSource::Kind::DutyPanel, {}}, true));

        const Duty& duty = duty_of(p, 0, kTuesday);
        QVERIFY(duty.seq != 0);
        QCOMPARE(duty.start, uint16_t(420));
        QCOMPARE(duty.duration, uint16_t(720));
        const Tile* tile = form.grid()->tile_named(kFirstTile);
        QVERIFY(tile);
        QCOMPARE(tile->caption, std::string("AK"));
        QCOMPARE(tile->index, 0);
        QCOMPARE(p.app.roster().calendar.days[kTuesday - 1].shift_counts[0], uint8_t(1));
        QCOMPARE(form.calendar_area()->l_ile_na_dniu->text(), QStringLiteral("1"));
        QVERIFY(form.grid()
                    ->grid_geometry()
                    .cell_rect(tile->column, tile->row)
                    .contains(form.grid()->grid_geometry().tile_rect(*tile)));
        QVERIFY(p.prompter.informed.empty());

        // A second duty on the same day is refused with the rule's message.
        QVERIFY(
            drop_on(form.grid(), cell(form, kTuesday, 2), {DropSource::Kind::DutyPanel, {}}, true));
        QCOMPARE(p.prompter.informed.size(), size_t(1));
        QCOMPARE(duty_of(p, 0, kTuesday).shift_no, uint8_t(1));
    }

    void cells_outside_the_month_refuse_a_drag() {
        WardProgram p;
        MainWindow form(p.app);
        show_on_month(form, kYear, kMonth);
        // Row 0 starts on Monday 24 February: the first cell lies outside March.
        const QPoint outside = form.grid()->grid_geometry().cell_rect(0, 0).center();
        QVERIFY(!drop_on(form.grid(), outside, {DropSource::Kind::DutyPanel, {}}, true));
        for (const Worker& w : p.app.roster().workers)
            for (const Duty& d : w.duties) QCOMPARE(d.seq, int16_t(0));
    }

    void tile_moves_to_the_other_shift_of_its_day_and_copies_with_ctrl() {
        WardProgram p;
        MainWindow form(p.app);
        show_on_month(form, kYear, kMonth);
        drop_on(form.grid(), cell(form, kTuesday, 1), {DropSource::Kind::DutyPanel, {}}, true);

        QVERIFY(drop_on(form.grid(), cell(form, kTuesday, 2), {DropSource::Kind::Tile, kFirstTile},
                        false));
        QCOMPARE(duty_of(p, 0, kTuesday).shift_no, uint8_t(2));
        QCOMPARE(duty_of(p, 0, kTuesday).start, uint16_t(1140));
        const Tile* moved = form.grid()->tile_named(kFirstTile);
        QVERIFY(moved);
        QCOMPARE(moved->sub_column, 1);
        const CalendarDay& tuesday = p.app.roster().calendar.days[kTuesday - 1];
        QCOMPARE(tuesday.shift_counts, (std::vector<uint8_t>{0, 1}));

        QVERIFY(drop_on(form.grid(), cell(form, kWednesday, 1),
                        {DropSource::Kind::Tile, kFirstTile}, true));
        QVERIFY(duty_of(p, 0, kTuesday).seq != 0);
        QVERIFY(duty_of(p, 0, kWednesday).seq != 0);
        QVERIFY(form.grid()->tile_named(kFirstTile));
        QVERIFY(form.grid()->tile_named("p0_4"));
    }

    void tile_dropped_on_the_trash_is_deleted_without_a_question() {
        WardProgram p;
        MainWindow form(p.app);
        show_on_month(form, kYear, kMonth);
        drop_on(form.grid(), cell(form, kTuesday, 1), {DropSource::Kind::DutyPanel, {}}, true);
        p.app.roster().workers[0].duties[kTuesday - 1].on_request = true;
        form.grid()->lay_out();
        QVERIFY(!form.grid()->tile_named(kFirstTile)->draggable);

        QWidget* trash = form.calendar_area()->d_Trash;
        // Panels have nothing to delete: the trash does not take them.
        QVERIFY(!drop_on(trash, trash->rect().center(), {DropSource::Kind::DutyPanel, {}}, false));
        QVERIFY(
            drop_on(trash, trash->rect().center(), {DropSource::Kind::Tile, kFirstTile}, false));
        QCOMPARE(duty_of(p, 0, kTuesday).seq, int16_t(0));
        QVERIFY(!form.grid()->tile_named(kFirstTile));
        QVERIFY(p.prompter.asked.empty());
        QCOMPARE(p.app.roster().calendar.days[kTuesday - 1].shift_counts[0], uint8_t(0));
    }

    void selected_worker_view_shows_only_that_worker_with_symbols() {
        WardProgram p;
        MainWindow form(p.app);
        show_on_month(form, kYear, kMonth);
        drop_on(form.grid(), cell(form, kTuesday, 1), {DropSource::Kind::DutyPanel, {}}, true);
        form.lists()->cb_kadra_new->setCurrentRow(1);
        drop_on(form.grid(), cell(form, kTuesday, 2), {DropSource::Kind::WorkerList, {}}, true);
        QCOMPARE(form.grid()->layout().tiles.size(), size_t(2));

        ShowSwitches* switches = form.calendar_area()->switches;
        QVERIFY(switches->rg_Captions->isEnabled());
        switches->rg_ShowWho->findChildren<QRadioButton*>()[1]->click();
        QVERIFY(!switches->rg_Captions->isEnabled());
        const std::vector<Tile>& tiles = form.grid()->layout().tiles;
        QCOMPARE(tiles.size(), size_t(1));
        QCOMPARE(tiles[0].name, std::string("p1_3"));
        QCOMPARE(tiles[0].caption, std::string("N"));
        QVERIFY(tiles[0].border);
    }

    void geometry_follows_the_grid_size_and_stacks_tiles_in_columns() {
        const GridGeometry g = GridGeometry::fit(1000, 300, 2);
        QCOMPARE(g.row_height, 48);
        QCOMPARE(g.column_width, 70);  // (1000 - 5 * 2 - 10) div 14
        QCOMPARE(g.weekday_width(), 141);
        QCOMPARE(tiles_per_column(g.row_height), 3);
        QCOMPARE(g.cell_rect(3, 1), QRect(213, 49, 70, 48));
        QCOMPARE(g.cell_at({213, 49}), std::optional<QPoint>(QPoint(3, 1)));
        QCOMPARE(g.cell_at({212, 48}), std::optional<QPoint>(QPoint(2, 0)));
        QVERIFY(!g.cell_at({14 * 71, 10}));
        QVERIFY(!g.cell_at({10, 6 * 49}));
        Tile fourth;
        fourth.column = 3;
        fourth.row = 1;
        fourth.tile_column = 1;
        fourth.tile_row = 0;
        QCOMPARE(g.tile_rect(fourth), QRect(213 + 17, 49 + 1, 16, 16));
        // A squeezed grid keeps cells of at least one pixel, and no shifts count as one.
        const GridGeometry tiny = GridGeometry::fit(5, 5, 0);
        QCOMPARE(tiny.shifts, 1);
        QVERIFY(tiny.column_width >= 1 && tiny.row_height >= 1);
    }

    // The painter leaves out tiles that later tiles cover: over random stacks, also in a grid
    // too low for its tile rows, the picture is the one every tile drawn in turn gives.
    void tiles_left_out_under_later_ones_change_no_pixel() {
        std::mt19937 random(5);
        const QRect dirty(40, 30, 600, 300);
        for (const int extra_rows : {0, 2}) {
            const GridGeometry g = GridGeometry::fit(1000, 420, 2);
            const int rows = tiles_per_column(g.row_height) + extra_rows;
            TileLayout layout;
            for (int i = 0; i < 900; ++i) {
                Tile t;
                t.column = static_cast<int>(random() % 14);
                t.row = static_cast<int>(random() % 6);
                t.tile_column = static_cast<int>(random() % 6);
                t.tile_row = static_cast<int>(random() % rows);
                t.caption = std::string(1, static_cast<char>('A' + random() % 3));
                t.background = rgb(static_cast<int>(random() % 4) * 60, 120, 200);
                layout.tiles.push_back(t);
            }
            const QPalette palette = QApplication::palette();
            TileImages images;
            QImage culled(1000, 420, QImage::Format_RGB32), every = culled;
            culled.fill(Qt::white);
            every.fill(Qt::white);
            {
                QPainter painter(&culled);
                painter.setClipRect(dirty);
                CornerNumbers corners;
                DayTexts days;
                GridPainter(painter, palette, g, images, corners, days).tiles(layout, dirty);
            }
            {
                QPainter painter(&every);
                painter.setClipRect(dirty);
                images.prepare(painter.font(), palette);
                for (const Tile& t : layout.tiles)
                    images.draw(painter, g.tile_rect(t).topLeft(), t);
            }
            QCOMPARE(culled, every);
        }
    }

    void typed_short_name_opens_the_duty_dialog_for_that_worker() {
        WardProgram p;
        MainWindow form(p.app);
        show_on_month(form, kYear, kMonth);
        QTest::mouseClick(form.grid(), Qt::LeftButton, {}, cell(form, kTuesday, 2));
        QCOMPARE(int(p.app.view().selected_day), kTuesday);
        QCOMPARE(int(p.app.view().selected_shift), 2);
        QString dialog_text;
        const DialogAnswer answer([&](QDialog* dialog) {
            auto* duty = qobject_cast<DutyDialog*>(dialog);
            if (!duty) return dialog->reject();
            dialog_text = widget<QLabel>(*duty, "l_prac_idx")->text();
            duty->findChild<QButtonGroup*>()
                ->button(static_cast<int>(DutyType::WholeShift))
                ->click();
            press_ok(dialog);
        });
        form.grid()->setFocus();
        // Both letters typed while Shift stays down, then Shift let go.
        for (auto [key, text] : {std::pair{Qt::Key_O, "O"}, {Qt::Key_W, "w"}}) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::ShiftModifier, QString::fromLatin1(text));
            QCoreApplication::sendEvent(form.grid(), &press);
        }
        QTest::keyRelease(form.grid(), Qt::Key_Shift);
        QVERIFY(dialog_text.contains(QString::fromUtf8("Wójcik")));
        const Duty& duty = duty_of(p, 1, kTuesday);
        QVERIFY(duty.seq != 0);
        QCOMPARE(duty.shift_no, uint8_t(2));
        QVERIFY(form.grid()->tile_named("p1_3"));
    }

    void day_off_panel_opens_the_dialog_and_its_tile_moves_by_drag() {
        WardProgram p;
        MainWindow form(p.app);
        show_on_month(form, kYear, kMonth);
        {
            const DialogAnswer answer(press_ok);  // "Bez dyżuru", no shift chosen
            QVERIFY(drop_on(form.grid(), cell(form, kTuesday, 1),
                            {DropSource::Kind::DayOffPanel, {}}, false));
            QVERIFY(answer.answered());
        }
        QVERIFY(p.app.roster().workers[0].days_off[kTuesday - 1].seq != 0);
        const Tile* tile = form.grid()->tile_named("u0_3");
        QVERIFY(tile);
        QCOMPARE(tile->caption, std::string("d"));
        QCOMPARE(p.app.roster().calendar.days[kTuesday - 1].extra_count, uint8_t(1));

        // The worker does not want to work that day: a duty is placed only after a Yes.
        p.prompter.answers = {false};
        drop_on(form.grid(), cell(form, kTuesday, 1), {DropSource::Kind::DutyPanel, {}}, true);
        QCOMPARE(p.prompter.asked.size(), size_t(1));
        QCOMPARE(duty_of(p, 0, kTuesday).seq, int16_t(0));

        QVERIFY(drop_on(form.grid(), cell(form, kWednesday, 2), {DropSource::Kind::Tile, "u0_3"},
                        false));
        QCOMPARE(p.app.roster().workers[0].days_off[kTuesday - 1].seq, int16_t(0));
        QCOMPARE(p.app.roster().workers[0].days_off[kWednesday - 1].from_day, uint8_t(kWednesday));
        QVERIFY(form.grid()->tile_named("u0_4"));
        QVERIFY(!form.grid()->tile_named("u0_3"));
    }

    void insert_without_a_valid_cell_asks_for_a_day() {
        WardProgram p;
        MainWindow form(p.app);
        show_on_month(form, kYear, kMonth);
        p.app.view().selected_day = 0;
        form.actions().a_DutyAdd->trigger();
        QCOMPARE(p.prompter.informed.size(), size_t(1));
        QVERIFY(p.prompter.informed[0].find(cp("Zaznacz na kalendarzu prawidłowy dzień")) == 0);
    }

    void escape_on_the_grid_asks_to_close() {
        WardProgram p;
        p.prompter.answers = {false};
        MainWindow form(p.app);
        show_on_month(form, kYear, kMonth);
        form.grid()->setFocus();
        QTest::keyClick(form.grid(), Qt::Key_Escape);
        QCOMPARE(p.prompter.asked, std::vector<std::string>{cp("Czy na pewno zamknąć program?")});
        QVERIFY(form.isVisible());
    }

    void holiday_mark_from_the_calendar_popup_lowers_the_working_days() {
        WardProgram p;
        MainWindow form(p.app);
        show_on_month(form, kYear, kMonth);
        const int before = p.app.roster().calendar.working_days;
        drop_on(form.grid(), cell(form, kTuesday, 1), {DropSource::Kind::DutyPanel, {}}, true);
        emit form.calendar_menu()->aboutToShow();
        QVERIFY(form.actions().a_MarkAsHoliday->isEnabled());
        QVERIFY(!form.actions().a_MarkAsHoliday->isChecked());
        form.actions().a_MarkAsHoliday->trigger();
        QCOMPARE(int(p.app.roster().calendar.working_days), before - 1);
        QVERIFY(p.app.roster().calendar.days[kTuesday - 1].holiday);
        QVERIFY(form.month_bar()->norm_value->text().startsWith(QString::number(before - 1)));
        // The duty of a day that became a holiday now counts as holiday hours.
        QCOMPARE(p.app.roster().workers[0].summary.hours_S, int16_t(720));
    }

    void bulk_deletion_of_all_duties_asks_and_clears_the_grid() {
        WardProgram p;
        MainWindow form(p.app);
        show_on_month(form, kYear, kMonth);
        drop_on(form.grid(), cell(form, kTuesday, 1), {DropSource::Kind::DutyPanel, {}}, true);
        form.lists()->cb_kadra_new->setCurrentRow(2);
        drop_on(form.grid(), cell(form, kWednesday, 2), {DropSource::Kind::DutyPanel, {}}, true);
        QCOMPARE(form.grid()->layout().tiles.size(), size_t(2));

        p.prompter.answers = {false};
        form.actions().mi_DutiesDeleteAll->trigger();
        QCOMPARE(form.grid()->layout().tiles.size(), size_t(2));
        form.actions().mi_DutiesDeleteAll->trigger();
        QCOMPARE(p.prompter.asked.size(), size_t(2));
        QVERIFY(form.grid()->layout().tiles.empty());
    }

    void planner_fills_the_month_from_the_menu() {
        WardProgram p;
        for (Worker& w : p.app.roster().workers) w.pref_system = true;
        MainWindow form(p.app);
        show_on_month(form, kYear, kMonth);
        QVERIFY(form.grid()->layout().tiles.empty());
        form.actions().a_automatic->trigger();
        QVERIFY(!p.prompter.asked.empty());  // the user accepts what was planned
        QVERIFY(form.grid()->layout().tiles.size() > 20);
        for (const Worker& w : p.app.roster().workers)
            for (const Duty& d : w.duties) QVERIFY(d.seq == 0 || d.accepted);
    }
};

QTEST_MAIN(TestMonthGrid)
#include "test_month_grid.moc"
