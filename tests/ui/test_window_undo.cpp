#include <QTest>
#include <filesystem>
#include <map>

#include "editing/tile_name.h"
#include "window_fixture.h"
#include "worktime/month_save.h"

using namespace tabrel;
using namespace tabrel::test;

namespace {

// Every file of the data folder with its bytes.
std::map<std::string, std::string> files_of(const std::filesystem::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        if (entry.is_regular_file()) files[entry.path().string()] = slurp(entry.path());
    return files;
}

// The month file a save would write now; a save recomputes the summaries, so on a copy.
std::string saved_month(AppState& app) {
    Roster copy = app.roster();
    return month_file_text(copy, app.options(), "2025-03-31");
}

QString undo_text(const MainWindow& form) {
    return form.history()->undo_action()->text();
}

}  // namespace

class TestWindowUndo : public QObject {
    Q_OBJECT
private slots:
    void three_edits_undone_with_ctrl_z_and_redone_with_ctrl_y() {
        Program p;
        p.app.roster().groups = {ward_group()};
        p.app.roster().workers = {ward_worker(1, "Nowak", "AN")};
        MainWindow form(p.app);
        show_on_month(form, 2025, 3);
        const std::string before = saved_month(p.app);
        const auto files = files_of(p.folder.path());
        QVERIFY(!form.history()->undo_action()->isEnabled());

        QVERIFY(drop_on(form.grid(), cell(form, 4, 1), {DropSource::Kind::DutyPanel, {}}, true));
        QCOMPARE(undo_text(form), QString::fromUtf8("Cofnij: dodanie dyżuru"));
        QVERIFY(drop_on(form.grid(), cell(form, 6, 2),
                        {DropSource::Kind::Tile, tile_name({TileKind::Duty, 0, 3})}, false));
        QCOMPARE(undo_text(form), QString::fromUtf8("Cofnij: przeniesienie dyżuru"));
        form.actions().a_MarkAsHoliday->trigger();  // the day of the last drop
        QCOMPARE(undo_text(form), QString::fromUtf8("Cofnij: święto"));
        const std::string after = saved_month(p.app);
        QVERIFY(after != before);

        form.grid()->setFocus();
        for (int n = 0; n < 3; ++n) QTest::keyClick(form.grid(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(saved_month(p.app), before);
        QVERIFY(!form.history()->undo_action()->isEnabled());
        QCOMPARE(form.history()->redo_action()->text(), QString::fromUtf8("Ponów: dodanie dyżuru"));
        QVERIFY(files_of(p.folder.path()) == files);

        for (int n = 0; n < 3; ++n) QTest::keyClick(form.grid(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(saved_month(p.app), after);
        QCOMPARE(p.app.roster().workers[0].duties[5].shift_no, uint8_t{2});

        // The month's history ends when another month is shown.
        form.month_bar()->tb_MonthNext->click();
        QVERIFY(!form.history()->undo_action()->isEnabled());
        QVERIFY(form.history()->undo_action()->statusTip().contains(
            QString::fromUtf8("nie przetrwa przejścia do innego miesiąca")));
    }
};

QTEST_MAIN(TestWindowUndo)
#include "test_window_undo.moc"
