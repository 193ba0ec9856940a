#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <vector>

#include "find_widget.h"
#include "i18n/cp1250.h"
#include "printouts/template_info.h"
#include "printouts/window_lists.h"
#include "recent_templates_menu.h"
#include "storage/options_file.h"
#include "storage/recent_templates.h"
#include "templates_dialog.h"
#include "window_fixture.h"

using namespace tabrel;
using namespace tabrel::test;
namespace fs = std::filesystem;

namespace {

const fs::path kShipped = fs::path(TABREL_TEST_DATA).parent_path().parent_path() / "templates";

QStringList row_texts(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    return texts;
}

// A program folder with the shipped templates, a ward with one worker on March 2024, and the
// dialog over printouts whose opener and editor only record what they were given.
struct Ward {
    Program program;
    std::vector<fs::path> opened, edited;
    Printouts printouts{program.folder.path() / "wydruki", program.app.data_folder(),
                        [this](const fs::path& p) { opened.push_back(p); }};
    TemplatesDialog dialog{
        program.app, printouts,
        [this](GenerationContext& ctx) { fill_window_lists(ctx, program.app.view()); },
        [this](const fs::path& p) { edited.push_back(p); }, nullptr};
    QLineEdit* e_Search = widget<QLineEdit>(dialog, "e_Search");
    QListWidget* lb_Templates = widget<QListWidget>(dialog, "lb_Templates");
    QPushButton* sb_Create = widget<QPushButton>(dialog, "sb_Create");
    QPushButton* sb_TemplateEdit = widget<QPushButton>(dialog, "sb_TemplateEdit");
    QStatusBar* status_bar = widget<QStatusBar>(dialog, "StatusBar");

    explicit Ward(bool with_worker = true) {
        fs::copy(kShipped, templates());
        Roster& r = program.app.roster();
        r.groups = {ward_group()};
        if (with_worker) r.workers = {ward_worker(1, "Kowalska", "AK")};
        r.current_group = 0;
        program.app.months().switch_to(2024, 3);
    }
    fs::path templates() const { return program.folder.path() / "templates"; }
    void show() {
        dialog.show();
        if (!QTest::qWaitForWindowExposed(&dialog)) qFatal("dialog not shown");
    }
    void select(const QString& title) {
        const auto found = lb_Templates->findItems(title, Qt::MatchExactly);
        if (found.size() != 1) qFatal("no single row %s", qPrintable(title));
        lb_Templates->setCurrentItem(found.front());
    }
    std::string recent_first() const {
        return recent_templates(load_options_file(program.app.data_folder()), "Templates")[0];
    }
};

const QString kCard = QStringLiteral("Karta ewidencji czasu pracy");
const QString kCardRtf = QStringLiteral("Karta ewidencji czasu pracy (RTF)");

}  // namespace

class TestTemplatesDialog : public QObject {
    Q_OBJECT
private slots:
    void lists_the_shipped_templates_by_title() {
        Ward w;
        w.show();
        QCOMPARE(w.dialog.windowTitle(), QString::fromUtf8("Szablony dokumentów"));
        QCOMPARE(row_texts(w.lb_Templates),
                 (QStringList{QStringLiteral("Harmonogram indywidualny (tekst)"),
                              QString::fromUtf8("Harmonogram pracy grupy (miesięczny)"),
                              QString::fromUtf8("Harmonogramy indywidualne pracowników"), kCard,
                              kCardRtf, QStringLiteral("Kontrola czasu pracy")}));
        QVERIFY(w.e_Search->hasFocus());
    }

    void a_template_without_a_title_shows_its_file_name() {
        Ward w;
        spit(w.templates() / "bez_tytulu.wzr", "tekst\r\n");
        w.show();
        QVERIFY(row_texts(w.lb_Templates).contains(QStringLiteral("bez_tytulu.wzr")));
    }

    void searching_narrows_the_list_ignoring_letter_case() {
        Ward w;
        w.show();
        QTest::keyClicks(w.e_Search, QStringLiteral("KARTA"));
        QCOMPARE(row_texts(w.lb_Templates), (QStringList{kCard, kCardRtf}));
        w.e_Search->setText(QString::fromUtf8("MIESIĘCZNY"));
        QCOMPARE(row_texts(w.lb_Templates),
                 QStringList{QString::fromUtf8("Harmonogram pracy grupy (miesięczny)")});
        w.e_Search->clear();
        QCOMPARE(w.lb_Templates->count(), 6);
    }

    void a_search_that_matches_nothing_leaves_nothing_to_create() {
        Ward w;
        w.show();
        QTest::keyClicks(w.e_Search, QStringLiteral("zzz"));
        QCOMPARE(w.lb_Templates->count(), 0);
        w.sb_Create->click();
        QTest::keyClick(w.e_Search, Qt::Key_Return);
        QVERIFY(w.opened.empty());
        QVERIFY(w.program.prompter.errors.empty());
        QVERIFY(!fs::exists(w.program.folder.path() / "wydruki"));
    }

    void arrow_keys_in_the_search_box_move_and_wrap() {
        Ward w;
        w.show();
        QListWidget* list = w.lb_Templates;
        QCOMPARE(list->currentRow(), 0);
        QTest::keyClick(w.e_Search, Qt::Key_Up);
        QCOMPARE(list->currentRow(), 5);
        QTest::keyClick(w.e_Search, Qt::Key_Down);
        QCOMPARE(list->currentRow(), 0);
        QTest::keyClick(w.e_Search, Qt::Key_Left);
        QCOMPARE(list->currentRow(), 1);
        QTest::keyClick(w.e_Search, Qt::Key_Right);
        QCOMPARE(list->currentRow(), 0);
        QTest::keyClick(w.e_Search, Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(list->currentRow(), 5);
        QTest::keyClick(w.e_Search, Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(list->currentRow(), 0);
    }

    void the_status_bar_shows_the_chosen_template_path() {
        Ward w;
        w.show();
        w.select(kCardRtf);
        QCOMPARE(w.status_bar->currentMessage(),
                 QFile::decodeName((w.templates() / "karta_ewidencji_rtf.wzr").string().c_str()));
    }

    void create_writes_opens_and_records_the_template() {
        Ward w;
        w.show();
        w.select(kCard);
        w.sb_Create->click();
        QVERIFY(w.program.prompter.errors.empty());
        QCOMPARE(w.opened.size(), size_t(1));
        const fs::path out = w.opened.front();
        QCOMPARE(out.parent_path(), w.program.folder.path() / "wydruki");
        QCOMPARE(out.extension().string(), std::string(".htm"));
        QVERIFY(slurp(out).find("Kowalska") != std::string::npos);
        QCOMPARE(w.printouts.generated(), std::vector<fs::path>{out});
        QCOMPARE(cp1250_to_utf8(w.recent_first()),
                 fs::absolute(w.templates() / "karta_ewidencji.wzr").lexically_normal().string());
        QVERIFY(w.dialog.isVisible());
    }

    void enter_and_double_click_generate_and_the_row_is_kept() {
        Ward w;
        w.show();
        w.select(kCardRtf);
        QTest::keyClick(w.e_Search, Qt::Key_Return);
        QCOMPARE(w.opened.size(), size_t(1));
        QCOMPARE(w.opened.back().extension().string(), std::string(".rtf"));
        QListWidget* list = w.lb_Templates;
        const QRect first = list->visualItemRect(list->item(0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, first.center());
        QCOMPARE(w.opened.size(), size_t(2));
        QCOMPARE(w.opened.back().extension().string(), std::string(".txt"));

        w.select(kCardRtf);
        w.sb_Create->click();
        w.dialog.hide();
        w.show();
        QCOMPARE(list->currentItem()->text(), kCardRtf);
    }

    void esc_closes_the_dialog() {
        Ward w;
        w.show();
        QTest::keyClick(w.e_Search, Qt::Key_Escape);
        QVERIFY(!w.dialog.isVisible());
        QCOMPARE(w.dialog.result(), int(QDialog::Rejected));
    }

    void ctrl_enter_asks_before_editing() {
        Ward w;
        w.show();
        w.select(kCard);
        w.program.prompter.answers = {false, true};
        QTest::keyClick(w.lb_Templates, Qt::Key_Return, Qt::ControlModifier);
        QVERIFY(w.edited.empty());
        QCOMPARE(w.program.prompter.asked.size(), size_t(1));
        QCOMPARE(w.program.prompter.asked.front(),
                 cp("Do edycji wybrano wzorzec: Karta ewidencji czasu pracy\r\rWprowadzone "
                    "zmiany będą miały wpływ \rna wygląd generowanych dokumentów. \r\rCzy "
                    "napewno przejść do edycji wzorca?"));
        w.sb_TemplateEdit->click();
        QCOMPARE(w.edited, std::vector<fs::path>{w.templates() / "karta_ewidencji.wzr"});
        QVERIFY(w.opened.empty());
    }

    void without_a_worker_the_dialog_does_not_open() {
        Ward w(false);
        w.dialog.run();
        QVERIFY(!w.dialog.isVisible());
        QCOMPARE(w.program.prompter.informed,
                 std::vector<std::string>{cp("Najpierw należy dodać pracownika.")});
        QVERIFY(!w.dialog.generate(w.templates() / "karta_ewidencji.wzr"));
        QVERIFY(w.opened.empty());
    }

    void an_output_that_cannot_be_written_is_reported() {
        Ward w;
        spit(w.program.folder.path() / "wydruki", "a file where the folder belongs");
        w.show();
        w.select(kCard);
        w.sb_Create->click();
        QCOMPARE(w.program.prompter.errors.size(), size_t(1));
        QVERIFY(w.opened.empty());
        QVERIFY(w.printouts.generated().empty());
    }

    void an_unreadable_header_is_reported_when_listing() {
        Ward w;
        spit(w.templates() / "a_zly.wzr",
             "<HEADER>\r\n<FONT_SIZE>duzy</FONT_SIZE>\r\n</HEADER>\r\nx\r\n");
        w.show();
        QCOMPARE(w.program.prompter.errors.size(), size_t(1));
    }

    void the_recent_menu_offers_existing_templates_and_generates_them() {
        Ward w;
        w.show();
        w.select(kCardRtf);
        w.sb_Create->click();
        w.select(kCard);
        w.sb_Create->click();
        w.dialog.hide();
        QMenu menu;
        bind_recent_templates_menu(&menu, &w.dialog, w.program.app.data_folder());
        QMetaObject::invokeMethod(&menu, "aboutToShow");
        QCOMPARE(menu.actions().size(), 2);
        QCOMPARE(menu.actions()[0]->text(), kCard);
        QCOMPARE(menu.actions()[1]->text(), kCardRtf);

        menu.actions()[1]->trigger();
        QCOMPARE(w.opened.size(), size_t(3));
        QCOMPARE(w.opened.back().extension().string(), std::string(".rtf"));

        fs::remove(w.templates() / "karta_ewidencji.wzr");
        QMetaObject::invokeMethod(&menu, "aboutToShow");
        QCOMPARE(menu.actions().size(), 1);
        QCOMPARE(menu.actions()[0]->text(), kCardRtf);
    }
};

QTEST_MAIN(TestTemplatesDialog)
#include "test_templates_dialog.moc"
