#include <QMenu>
#include <QStatusBar>
#include <QTest>
#include <QTreeWidget>

#include "editing/law_tiles.h"
#include "find_widget.h"
#include "window_fixture.h"
#include "worker_row_delegate.h"

using namespace tabrel;
using namespace tabrel::test;

namespace {

constexpr int kYear = 2025;
constexpr int kMonth = 3;

struct WardProgram : Program {
    WardProgram() {
        app.roster().groups = {ward_group()};
        app.roster().workers = {ward_worker(1, "Nowak", "AK"), ward_worker(2, "Wójcik", "OW")};
    }
};

QString qt(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// A night on the 4th and a day on the 5th leave no rest in the employee day that the night
// opens; each is a whole shift dropped with Ctrl for the worker selected.
void night_then_day(MainWindow& form, int night_day) {
    drop_on(form.grid(), cell(form, night_day, 2), {DropSource::Kind::DutyPanel, {}}, true);
    drop_on(form.grid(), cell(form, night_day + 1, 1), {DropSource::Kind::DutyPanel, {}}, true);
}

}  // namespace

class TestLawView : public QObject {
    Q_OBJECT
private slots:
    void a_rest_breach_shows_on_the_row_the_tiles_the_status_bar_and_the_list() {
        WardProgram p;
        MainWindow form(p.app);
        show_on_month(form, kYear, kMonth);
        QListWidget* rows = form.lists()->cb_kadra_new;
        night_then_day(form, 4);

        const QString told = form.statusBar()->currentMessage();
        QVERIFY2(told.startsWith(qt("Kontrola czasu pracy: Nowak Anna, 04.03.2025 19:00: ")),
                 qPrintable(told));
        QVERIFY(rows->item(0)->data(kLawFindingsRole).toBool());
        QVERIFY(!rows->item(1)->data(kLawFindingsRole).toBool());
        QVERIFY2(rows->item(0)->toolTip().contains(
                     qt("04.03.2025 19:00: Odpoczynek dobowy najwyżej 00:00 zamiast 11:00, "
                        "brakuje 11:00 (art. 132 § 1 KP)")),
                 qPrintable(rows->item(0)->toolTip()));
        QVERIFY(form.grid()->tile_named("p0_3")->law);
        QVERIFY(form.grid()->tile_named("p0_4")->law);
        // A tile's hint ends with the findings it lies in, put together when shown.
        std::string hint;
        for (const std::string& line : law_tile_texts(*form.grid()->tile_named("p0_4"),
                                                      p.app.roster(), p.app.law().findings()))
            hint += line + "\n";
        QVERIFY(hint.find(cp("Odpoczynek dobowy najwyżej 00:00 zamiast 11:00")) !=
                std::string::npos);

        // The list holds what `check` gives; a double-click brings back worker and day.
        rows->setCurrentRow(1);
        QCOMPARE(p.app.roster().current_worker, uint16_t(1));
        form.actions().a_LawCheck->trigger();
        LawFindingsDialog* list = form.law_view()->dialog();
        QVERIFY(list && QTest::qWaitForWindowExposed(list));
        QTreeWidget* tree = widget<QTreeWidget>(*list, "lv_LawFindings");
        QCOMPARE(tree->topLevelItemCount(), static_cast<int>(p.app.law().findings().size()));
        QTreeWidgetItem* last = tree->topLevelItem(tree->topLevelItemCount() - 1);
        QCOMPARE(tree->topLevelItem(0)->text(0), qt("Nowak Anna"));
        QCOMPARE(tree->topLevelItem(0)->text(1), qt("04.03.2025 19:00"));
        QCOMPARE(tree->topLevelItem(0)->text(3), qt("Odpoczynek dobowy"));
        QCOMPARE(tree->topLevelItem(0)->text(4), qt("00:00"));
        QCOMPARE(tree->topLevelItem(0)->text(5), qt("11:00"));
        const int day = last->text(1).left(2).toInt();
        const QRect at = tree->visualItemRect(last);
        // The first click of a double click comes as a click of its own.
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at.center());
        QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at.center());
        QTRY_COMPARE(p.app.roster().current_worker, uint16_t(0));
        QCOMPARE(int(p.app.view().selected_day), day);
        QCOMPARE(tree->topLevelItemCount(), static_cast<int>(p.app.law().findings().size()));
        QCOMPARE(rows->currentRow(), 0);
    }

    void a_drop_that_breaks_a_rule_is_asked_about_when_the_options_say_so() {
        WardProgram p;
        p.app.options().law.ask_after_drop = true;
        MainWindow form(p.app);
        show_on_month(form, kYear, kMonth);
        p.prompter.answers = {false};
        night_then_day(form, 10);

        QCOMPARE(p.prompter.asked.size(), size_t(1));
        QVERIFY(p.prompter.asked[0].find(cp("Zostawić go?")) != std::string::npos);
        QVERIFY(p.app.roster().workers[0].duties[9].seq != 0);
        QCOMPARE(p.app.roster().workers[0].duties[10].seq, int16_t(0));
        QVERIFY(p.app.law().findings().empty());
        QVERIFY(!form.grid()->tile_named("p0_10"));
        QVERIFY(!form.lists()->cb_kadra_new->item(0)->data(kLawFindingsRole).toBool());
    }
};

QTEST_MAIN(TestLawView)
#include "test_law_view.moc"
