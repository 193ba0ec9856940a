#include "editing/entry_operations.h"
#include "window_fixture.h"

using namespace tabrel;
using namespace tabrel::test;

namespace {

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

}  // namespace

// Month switches of a full ward with the grid painted at once; run with -median N for the
// median of N runs.
class TestGridSpeed : public QObject {
    Q_OBJECT
private slots:
    void month_switch_and_repaint_data() {
        QTest::addColumn<int>("workers");
        QTest::newRow("60 workers") << 60;
        QTest::newRow("200 workers") << 200;
    }

    void month_switch_and_repaint() {
        QFETCH(int, workers);
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

        bool forward = true;
        QBENCHMARK {
            (forward ? form.month_bar()->tb_MonthNext : form.month_bar()->tb_MonthPrev)->click();
            form.grid()->repaint();
            forward = !forward;
        }
        QVERIFY(form.grid()->layout().tiles.size() >= size_t(workers * 30));
    }
};

QTEST_MAIN(TestGridSpeed)
#include "test_grid_speed.moc"
