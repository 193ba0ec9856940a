#include <QElapsedTimer>
#include <QPaintEvent>
#include <algorithm>
#include <functional>

#include "editing/entry_operations.h"
#include "editing/tile_name.h"
#include "memory_reuse.h"
#include "window_fixture.h"

using namespace tabrel;
using namespace tabrel::test;

namespace {

constexpr int kDropDay = 10;  // the last worker is on the night shift that day

// Every worker on a shift every day of the shown month, the shifts taken in turn.
void fill_month(AppState& app) {
    Roster& roster = app.roster();
    const int days = roster.month_days();
    for (int w = 0; w < static_cast<int>(roster.workers.size()); ++w) {
        for (int day = 1; day <= days; ++day) {
            Duty duty;
            duty.shift_no = static_cast<uint8_t>(1 + (w + day) % 2);
            duty.duration = 720;
            duty.worker_id = roster.workers[w].id;
            duty.group_id = 1;
            duty.day_no = static_cast<uint16_t>(day);
            dodaj_dyzur(roster, app.options(), duty, false, w);
        }
    }
}

// The median time of `rounds` runs of `step` (given the round's number), in milliseconds, after
// two runs untimed: the first switches fill the picture caches and fault in the allocator's
// pages, which costs more than the switch itself on this machine and happens once per session.
double median_ms(int rounds, const std::function<void(int)>& step) {
    for (int round = 0; round < 2; ++round) step(round);
    std::vector<double> times;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        step(round);
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::nth_element(times.begin(), times.begin() + rounds / 2, times.end());
    return times[rounds / 2];
}

// The part of a widget painted, as one rectangle.
struct PaintedArea : QObject {
    QRect area;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            area |= static_cast<QPaintEvent*>(event)->region().boundingRect();
        return false;
    }
};

}  // namespace

// In one run, for a full ward: the core's month switch alone, the window's month switch with
// the grid painted at once, and one tile dropped on the other shift with what it changed
// painted. Prints the medians and the window's ratio to the core; TABREL_SPEED_ROUNDS sets the
// number of runs (5).
class TestGridSpeed : public QObject {
    Q_OBJECT
private slots:
    // As the program does at start.
    void initTestCase() { keep_freed_memory(); }

    void switch_and_drop_data() {
        QTest::addColumn<int>("workers");
        QTest::newRow("60 workers") << 60;
        QTest::newRow("200 workers") << 200;
    }

    void switch_and_drop() {
        QFETCH(int, workers);
        const int asked = qEnvironmentVariableIntValue("TABREL_SPEED_ROUNDS");
        const int runs = asked > 0 ? asked : 5;
        Program p;
        p.app.roster().groups = {ward_group()};
        for (int w = 0; w < workers; ++w) {
            const std::string pseudo = "W" + std::to_string(w % 100);
            p.app.roster().workers.push_back(
                ward_worker(static_cast<uint16_t>(w + 1), "Nowak", pseudo.c_str()));
        }
        MainWindow form(p.app);
        show_on_month(form, 2025, 3);
        fill_month(p.app);
        form.month_bar()->tb_MonthNext->click();
        fill_month(p.app);
        form.month_bar()->tb_MonthPrev->click();
        QCOMPARE(form.grid()->layout().tiles.size(), size_t(workers * 31));

        // There and back, so the window's month bar still names the month shown.
        const double core = median_ms(
            2 * runs, [&](int round) { p.app.months().switch_to(2025, round % 2 == 0 ? 4 : 3); });
        const double window = median_ms(2 * runs, [&](int round) {
            QToolButton* step = form.month_bar()->tb_MonthNext;
            if (round % 2 == 1) step = form.month_bar()->tb_MonthPrev;
            step->click();
            form.grid()->repaint();
        });
        QCOMPARE(form.grid()->layout().tiles.size(), size_t(workers * 31));
        QCoreApplication::processEvents();

        PaintedArea painted;
        form.grid()->installEventFilter(&painted);
        // The last worker's tile tops its stack: the drop moves no other tile.
        const DropSource tile{DropSource::Kind::Tile,
                              tile_name({TileKind::Duty, workers - 1, kDropDay - 1})};
        const double drop = median_ms(2 * runs, [&](int round) {
            QVERIFY(
                drop_on(form.grid(), cell(form, kDropDay, round % 2 == 0 ? 1 : 2), tile, false));
            QCoreApplication::processEvents();
        });
        QCOMPARE(p.app.roster().workers[workers - 1].duties[kDropDay - 1].shift_no, uint8_t(2));
        // A drop paints the two cells it changed and the tiles stacked over them, not the grid.
        const QRect grid = form.grid()->rect();
        QVERIFY(!painted.area.isEmpty());
        QVERIFY(painted.area.width() * painted.area.height() < grid.width() * grid.height() / 4);

        qInfo(
            "%d workers: core switch %.1f ms; window switch and repaint %.1f ms (%.1f x core); "
            "drop and repaint %.1f ms",
            workers, core, window, window / core, drop);
    }
};

QTEST_MAIN(TestGridSpeed)
#include "test_grid_speed.moc"
