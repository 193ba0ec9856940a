#include <QAction>
#include <QRadioButton>

#include "editing/worker_list_rows.h"
#include "find_widget.h"
#include "window_fixture.h"
#include "worker_row_delegate.h"

using namespace tabrel;
using namespace tabrel::test;

namespace {

QStringList row_texts(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    return texts;
}

// A figure of the selected worker's boxes below the calendar.
QString box_text(const MainWindow& form, const char* name) {
    return widget<QLabel>(*form.worker_boxes(), name)->text();
}

// The norm bar the worker list draws for the row of `worker`.
Colour bar_colour(Program& p, const MainWindow& form, int worker) {
    const QListWidget* list = form.lists()->cb_kadra_new;
    for (int row = 0; row < list->count(); ++row) {
        if (StaffLists::index_of(list->item(row)) != worker) continue;
        const WorkerListRow line{worker, {}, false};
        const auto bar = worker_row_look(p.app.roster(), p.app.options(), line, false).bar;
        return bar ? bar->colour : 0;
    }
    return 0;
}

}  // namespace

class TestStaffLists : public QObject {
    Q_OBJECT
private slots:
    void norm_bar_turns_from_red_to_green_to_blue_as_the_norm_is_reached() {
        Program p;
        p.app.roster().groups = {ward_group()};
        p.app.roster().workers = {ward_worker(1, "Nowak", "AK")};
        MainWindow form(p.app);
        show_on_month(form, 2025, 3);
        drop_on(form.grid(), cell(form, 4, 1), {DropSource::Kind::DutyPanel, {}}, true);
        QCOMPARE(bar_colour(p, form, 0), kBelowNorm);

        // A custom group norm of exactly the one duty, then of less.
        form.actions().a_CustomNorma->trigger();
        QVERIFY(form.month_bar()->norm_text->isEnabled());
        for (auto [norm, colour] : {std::pair{"012:00", kAtNorm}, {"010:00", kAboveNorm}}) {
            form.month_bar()->norm_text->setText(QString::fromLatin1(norm));
            emit form.month_bar()->norm_text->editingFinished();
            QCOMPARE(bar_colour(p, form, 0), colour);
        }
        QCOMPARE(box_text(form, "l_wnq_NormaUnused"), QStringLiteral("-02:00"));
        QVERIFY(p.app.roster().groups[0].CustomNorma);
        QCOMPARE(p.app.roster().groups[0].Norma, uint16_t(600));
    }

    void worker_dragged_onto_the_first_line_becomes_first_in_the_register() {
        Program p;
        p.app.roster().groups = {ward_group()};
        p.app.roster().workers = {ward_worker(1, "Nowak", "AK"), ward_worker(2, "Wójcik", "OW"),
                                  ward_worker(3, "Zając", "EZ")};
        MainWindow form(p.app);
        show_on_month(form, 2025, 3);
        RegisterList* list = form.lists()->cb_kadra_new;
        list->setCurrentRow(2);
        drop_on(form.grid(), cell(form, 4, 1), {DropSource::Kind::WorkerList, {}}, true);
        QVERIFY(form.grid()->tile_named("p2_3"));

        emit list->record_moved(2, 0);
        QCoreApplication::processEvents();
        const Roster& r = p.app.roster();
        QCOMPARE(r.workers[0].id, uint16_t(3));
        QCOMPARE(r.workers[0].duties[3].seq != 0, true);
        QCOMPARE(row_texts(list),
                 QString::fromUtf8("Zając Anna|Nowak Anna|Wójcik Anna").split('|'));
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(r.current_worker, uint16_t(0));
        // The tiles are named after the new places.
        QVERIFY(form.grid()->tile_named("p0_3"));
        QVERIFY(!form.grid()->tile_named("p2_3"));
    }

    void show_switches_list_everyone_and_the_deleted() {
        Program p;
        p.app.roster().groups = {ward_group()};
        p.app.roster().workers = {ward_worker(1, "Nowak", "AK"), ward_worker(2, "Obcy", "OB", "7|"),
                                  ward_worker(3, "Stary", "ST")};
        p.app.roster().workers[2].old = true;
        MainWindow form(p.app);
        StaffLists* lists = form.lists();
        QCOMPARE(row_texts(lists->cb_kadra_new), QStringList{QStringLiteral("Nowak Anna")});
        lists->rg_ShowWorkers->findChildren<QRadioButton*>()[1]->click();
        QCOMPARE(row_texts(lists->cb_kadra_new),
                 (QStringList{QStringLiteral("Nowak Anna"), QStringLiteral("Obcy Anna")}));
        lists->cb_ShowDeleted->setChecked(true);
        QCOMPARE(lists->cb_kadra_new->count(), 3);
    }

    void outsider_with_a_duty_in_the_group_gets_a_temporary_row() {
        Program p;
        p.app.roster().groups = {ward_group()};
        p.app.roster().workers = {ward_worker(1, "Nowak", "AK"),
                                  ward_worker(2, "Obcy", "OB", "7|")};
        MainWindow form(p.app);
        show_on_month(form, 2025, 3);
        Duty duty;
        duty.seq = 1;
        duty.start = 420;
        duty.duration = 720;
        duty.worker_id = 2;
        duty.group_id = 1;
        duty.day_no = 4;
        duty.shift_no = 1;
        p.app.roster().workers[1].duties[3] = duty;
        form.refresh_groups();
        const QListWidget* list = form.lists()->cb_kadra_new;
        QCOMPARE(list->count(), 2);
        QCOMPARE(StaffLists::index_of(list->item(1)), 1);
        QVERIFY(list->item(1)->data(kTemporaryRowRole).toBool());
        QCOMPARE(form.grid()->tile_named("p1_3")->font, clWhite);
    }

    void guide_click_runs_the_command_the_register_needs_next() {
        Program p;
        MainWindow form(p.app);
        QString opened;
        const DialogAnswer answer([&](QDialog* dialog) {
            opened = dialog->objectName();
            dialog->reject();
        });
        QTest::mouseClick(form.calendar_area()->l_Guide, Qt::LeftButton);
        QCOMPARE(opened, QStringLiteral("Tf_GroupAdd"));
        QVERIFY(p.app.roster().groups.empty());
        QCOMPARE(box_text(form, "st_Workers"), QStringLiteral(" :: Pracownik: "));
        QCOMPARE(box_text(form, "l_dq_Total"), QStringLiteral("0"));
    }

    void worker_boxes_follow_the_selected_worker() {
        Program p;
        p.app.roster().groups = {ward_group()};
        p.app.roster().workers = {ward_worker(1, "Nowak", "AK"), ward_worker(2, "Wójcik", "OW")};
        MainWindow form(p.app);
        show_on_month(form, 2025, 3);
        drop_on(form.grid(), cell(form, 4, 1), {DropSource::Kind::DutyPanel, {}}, true);
        QCOMPARE(box_text(form, "st_Workers"), QStringLiteral(" :: Pracownik: Nowak Anna"));
        QCOMPARE(box_text(form, "l_dq_Total"), QStringLiteral("12:00"));
        form.lists()->cb_kadra_new->setCurrentRow(1);
        QCOMPARE(box_text(form, "st_Workers"), QString::fromUtf8(" :: Pracownik: Wójcik Anna"));
        QCOMPARE(box_text(form, "l_dq_Total"), QStringLiteral("00:00"));
        // The selected worker's tiles carry the border.
        QVERIFY(!form.grid()->tile_named("p0_3")->border);
    }

    void double_click_opens_the_editor_of_the_row() {
        Program p;
        p.app.roster().groups = {ward_group()};
        p.app.roster().workers = {ward_worker(1, "Nowak", "AK")};
        MainWindow form(p.app);
        show_on_month(form, 2025, 3);
        for (auto [list, editor] : {std::pair{form.lists()->cb_grupa, "Tf_GroupAdd"},
                                    {form.lists()->cb_kadra_new, "Tf_WorkerAdd"}}) {
            QString opened;
            const DialogAnswer answer([&](QDialog* dialog) {
                opened = dialog->objectName();
                dialog->reject();
            });
            const QPoint row = list->visualItemRect(list->item(0)).center();
            QTest::mousePress(list->viewport(), Qt::LeftButton, {}, row);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row);
            QCOMPARE(opened, QString::fromLatin1(editor));
        }
    }

    void planner_question_is_asked_over_the_duties_it_placed() {
        Program p;
        p.app.roster().groups = {ward_group()};
        p.app.roster().workers = {ward_worker(1, "Nowak", "AK")};
        Worker& w = p.app.roster().workers[0];
        w.pref_system = true;
        w.pref_system_pattern = "12";
        MainWindow form(p.app);
        show_on_month(form, 2025, 3);
        int pale_tiles = -1;
        p.prompter.on_ask = [&](const std::string&) {
            pale_tiles = 0;
            for (const Tile& tile : form.grid()->layout().tiles)
                pale_tiles += tile.background == kUnacceptedBackground;
        };
        p.prompter.answers = {false};
        form.actions().a_automatic->trigger();
        QCOMPARE(p.prompter.asked.size(), size_t(1));
        QVERIFY(pale_tiles > 10);
        QVERIFY(form.grid()->layout().tiles.empty());
    }

    void a_long_name_ends_before_the_figures() {
        const QFontMetrics metrics(QApplication::font());
        const QString tally = QStringLiteral("12:00/13/4");
        const int figures = metrics.horizontalAdvance(tally);
        const QString name = QString::fromUtf8("Grzegorzewska-Szczepańska Małgorzata");
        const QString shown = WorkerRowDelegate::fitted_name(name, metrics, 200, figures);
        QVERIFY(shown.endsWith(QChar(0x2026)));
        QVERIFY(metrics.horizontalAdvance(shown) + figures < 200);
        QCOMPARE(
            WorkerRowDelegate::fitted_name(QStringLiteral("Nowak Anna"), metrics, 200, figures),
            QStringLiteral("Nowak Anna"));
    }

    // Rows are painted once per look and then reused: after each change the list draws
    // what a delegate that has kept nothing draws.
    void kept_row_images_follow_every_change() {
        Program p;
        p.app.roster().groups = {ward_group()};
        p.app.roster().workers = {ward_worker(1, "Nowak", "AK"), ward_worker(2, "Kowal", "BK")};
        MainWindow form(p.app);
        show_on_month(form, 2025, 3);
        QListWidget* list = form.lists()->cb_kadra_new;
        QAbstractItemDelegate* kept = list->itemDelegate();
        QImage before;
        const auto drawn_afresh = [&](const char* change) {
            const QImage shown = list->viewport()->grab().toImage();
            QVERIFY2(shown != before, change);
            before = shown;
            WorkerRowDelegate fresh(p.app.roster(), p.app.options(), nullptr);
            list->setItemDelegate(&fresh);
            const QImage afresh = list->viewport()->grab().toImage();
            list->setItemDelegate(kept);
            QVERIFY2(shown == afresh, change);
        };
        drawn_afresh("shown");
        drop_on(form.grid(), cell(form, 4, 1), {DropSource::Kind::DutyPanel, {}}, true);
        drawn_afresh("a duty added");
        list->setCurrentRow(1);
        drawn_afresh("the other row selected");
        QFont larger = list->font();
        larger.setPointSize(larger.pointSize() + 3);
        list->setFont(larger);
        drawn_afresh("a larger font");
    }

    void a_duty_placed_in_december_is_there_again_after_january() {
        Program p;
        p.app.roster().groups = {ward_group()};
        p.app.roster().workers = {ward_worker(1, "Nowak", "AK")};
        MainWindow form(p.app);
        show_on_month(form, 2024, 12);
        drop_on(form.grid(), cell(form, 31, 2), {DropSource::Kind::DutyPanel, {}}, true);
        QVERIFY(form.grid()->tile_named("p0_30"));

        form.month_bar()->tb_MonthNext->click();
        QCOMPARE(form.month_bar()->year(), 2025);
        QCOMPARE(form.month_bar()->month(), 1);
        QVERIFY(std::filesystem::exists(p.data("2024_12.tbr")));
        QVERIFY(form.grid()->layout().tiles.empty());

        form.month_bar()->tb_MonthPrev->click();
        QCOMPARE(form.month_bar()->year(), 2024);
        QVERIFY(std::filesystem::exists(p.data("2025_01.tbr")));
        const Tile* tile = form.grid()->tile_named("p0_30");
        QVERIFY(tile);
        QCOMPARE(tile->sub_column, 1);
    }
};

QTEST_MAIN(TestStaffLists)
#include "test_staff_lists.moc"
