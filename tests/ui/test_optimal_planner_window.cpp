#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QTableWidget>
#include <QTest>

#include "find_widget.h"
#include "optimizer_report.h"
#include "window_fixture.h"
#include "worktime/month_save.h"

using namespace tabrel;
using namespace tabrel::test;

namespace {

std::string saved_month(AppState& app) {
    Roster copy = app.roster();
    return month_file_text(copy, app.options(), "2025-03-31");
}

int duties(const Roster& roster, bool accepted) {
    int count = 0;
    for (const Worker& w : roster.workers)
        for (const Duty& d : w.duties) count += d.seq != 0 && d.accepted == accepted;
    return count;
}

// What the report showed before it was closed; no rows while none was shown.
struct ReportSeen {
    int rows = -1;
    QString status;
    QString law;
};

}  // namespace

class TestOptimalPlannerWindow : public QObject {
    Q_OBJECT
private slots:
    void plan_is_declined_then_kept_reported_and_undone() {
        Program p;
        p.app.roster().groups = {ward_group()};
        p.app.roster().workers = {ward_worker(1, "Nowak", "AN"), ward_worker(2, "Wójcik", "OW"),
                                  ward_worker(3, "Zając", "EZ")};
        MainWindow form(p.app);
        show_on_month(form, 2025, 3);
        QVERIFY(form.actions().a_automatic_optimal->isEnabled());
        const std::string before = saved_month(p.app);
        ReportSeen seen;
        QTimer poll;
        // The search is stopped once it shows a plan; the report is read and closed.
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            auto* progress = qobject_cast<QProgressDialog*>(modal);
            if (progress && progress->findChild<QLabel*>()->text().contains("Niedobór"))
                progress->findChild<QPushButton*>(QStringLiteral("b_OptStop"))->click();
            auto* report = qobject_cast<OptimizerReport*>(modal);
            if (!report) return;
            seen = {widget<QTableWidget>(*report, "tw_OptWorkers")->rowCount(),
                    widget<QLabel>(*report, "l_OptStatus")->text(),
                    widget<QPlainTextEdit>(*report, "te_OptLaw")->toPlainText()};
            report->reject();
        });
        poll.start(10);
        // The question is asked over the placed duties, shown and not yet accepted.
        size_t tiles_at_question = 0;
        p.prompter.on_ask = [&](const std::string&) {
            QVERIFY(duties(p.app.roster(), false) > 0);
            QCOMPARE(duties(p.app.roster(), true), 0);
            tiles_at_question = form.grid()->layout().tiles.size();
        };

        p.prompter.answers = {false};
        form.actions().a_automatic_optimal->trigger();
        QVERIFY(tiles_at_question > 0);
        QCOMPARE(saved_month(p.app), before);
        QVERIFY(!form.history()->undo_action()->isEnabled());
        QCOMPARE(seen.rows, -1);

        p.prompter.answers = {true};
        form.actions().a_automatic_optimal->trigger();
        QCOMPARE(p.prompter.asked.size(), size_t(2));
        QVERIFY(duties(p.app.roster(), true) > 20);
        QCOMPARE(duties(p.app.roster(), false), 0);
        QCOMPARE(seen.rows, 3);
        QVERIFY(seen.status.startsWith(QString::fromUtf8("Szukanie przerwano")));
        QCOMPARE(seen.law, QString::fromUtf8("Brak naruszeń"));
        QCOMPARE(form.history()->undo_action()->text(),
                 QString::fromUtf8("Cofnij: optymalne rozpisanie dyżurów"));

        form.history()->undo_action()->trigger();
        QCOMPARE(saved_month(p.app), before);
    }
};

QTEST_MAIN(TestOptimalPlannerWindow)
#include "test_optimal_planner_window.moc"
