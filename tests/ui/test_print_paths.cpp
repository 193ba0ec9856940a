#include <QDesktopServices>
#include <QListWidget>
#include <QTest>
#include <memory>

#include "staff_lists.h"
#include "templates_dialog.h"
#include "window_fixture.h"

using namespace tabrel;
using namespace tabrel::test;
namespace fs = std::filesystem;

namespace {

const fs::path kSourceTree = fs::path(TABREL_TEST_DATA).parent_path().parent_path();
const fs::path kWard = fs::path(TABREL_TEST_DATA) / "golden_ward" / "dane";

// The golden ward opened by the program, in a program folder of its own.
struct WardProgram {
    TempDir folder;
    FakePrompter prompter;
    Locale locale;
    std::unique_ptr<AppState> app;

    WardProgram() {
        fs::copy(kWard, folder / "dane", fs::copy_options::recursive);
        app = std::make_unique<AppState>(folder.path(), prompter, locale);
        if (app->open_data_folder() != AppState::OpenResult::Ok) qFatal("data folder not opened");
        app->load_options();
        app->load_staff();
    }
};

}  // namespace

// Shown printouts are not opened: the desktop's handler is replaced by this object.
class TestPrintPaths : public QObject {
    Q_OBJECT
public slots:
    void open(const QUrl&) {}

private slots:
    void initTestCase() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    // Kamińska (id 7) selected on the 15th, in a month where a worker of the other group and a
    // blocked one have duties in the shown group: tabrel-cli, given the same selection, writes
    // every shipped template byte for byte as the window does.
    void the_window_and_the_cli_print_the_same_bytes() {
        if (!fs::exists(TABREL_CLI)) QSKIP("tabrel-cli is not built");
        WardProgram program;
        MainWindow form(*program.app);
        show_on_month(form, 2024, 11);
        QListWidget* workers = form.lists()->cb_kadra_new;
        const auto rows = workers->findItems(QStringLiteral("Kamińska Jadwiga"), Qt::MatchExactly);
        QCOMPARE(rows.size(), 1);
        workers->setCurrentItem(rows.front());
        QTest::mouseClick(form.grid(), Qt::LeftButton, {}, cell(form, 15, 3));
        QCOMPARE(program.app->view().selected_day, uint8_t(15));
        QVERIFY(
            !workers->findItems(QStringLiteral("Zieliński Grzegorz"), Qt::MatchExactly).empty());

        TempDir cli_data, cli_out;
        fs::copy(kWard, cli_data.path(), fs::copy_options::recursive);
        for (const auto& entry : fs::directory_iterator(kSourceTree / "templates")) {
            const fs::path path = entry.path();
            const CliRun run =
                run_cli(cli_data.path(), "print '" + path.string() +
                                             "' 2024-11 --worker 7 --day 15 --out '" +
                                             cli_out.path().string() + "'");
            QCOMPARE(run.status, 0);
            const fs::path cli_output = run.out.substr(0, run.out.size() - 1);
            QVERIFY(form.printouts()->dialog()->generate(path));
            const fs::path window_output = program.folder / "wydruki" / cli_output.filename();
            QVERIFY2(slurp(window_output) == slurp(cli_output),
                     qPrintable(QString::fromStdString(path.filename().string())));
        }
    }
};

QTEST_MAIN(TestPrintPaths)
#include "test_print_paths.moc"
