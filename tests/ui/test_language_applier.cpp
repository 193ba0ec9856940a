#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "i18n/cp1250.h"
#include "language_applier.h"

using namespace tabrel;

namespace {

template <typename W>
W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

LanguageFile file_of(const char* text) {
    return LanguageFile(IniFile::parse(text));
}

QStringList combo_items(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    return items;
}

}  // namespace

class TestLanguageApplier : public QObject {
    Q_OBJECT
private slots:
    void lists_keep_their_selection_and_the_items_beyond_the_value() {
        QWidget window;
        window.setObjectName(QStringLiteral("Tf_Options"));
        auto* combo = named(new QComboBox(&window), "cb_CalendarDisplay");
        combo->addItems({"jeden", "dwa", "trzy", "cztery"});
        combo->setCurrentIndex(3);
        auto* list = named(new QListWidget(&window), "lb_Kinds");
        list->addItems({"a", "b", "c", "d", "e", "f"});
        list->setCurrentRow(3);
        apply_language(file_of("[f_Options]\r\ncb_CalendarDisplay=one\\ntwo\r\n"
                               "lb_Kinds=1\\n2\\n3\\n4\\n5\r\n"),
                       &window);
        QCOMPARE(combo_items(combo), QStringList({"one", "two", "trzy", "cztery"}));
        QCOMPARE(combo->currentIndex(), 3);
        QCOMPARE(list->currentRow(), 3);
        QCOMPARE(list->item(4)->text(), QStringLiteral("5"));
        QCOMPARE(list->item(5)->text(), QStringLiteral("f"));
    }

    void captions_follow_their_kind_and_tag_100_is_left_alone() {
        QWidget window;
        window.setObjectName(QStringLiteral("f_Login"));
        auto* kept = named(new QLabel(QStringLiteral("Wprowadź"), &window), "l_pass");
        auto* separator = named(new QLabel(QStringLiteral("-"), &window), "l_separator");
        separator->setProperty(kTagProperty, kSkippedTag);
        auto* check = named(new QCheckBox(QStringLiteral("Usuń"), &window), "cb_Delete");
        auto* action = named(new QAction(QStringLiteral("Zamknij"), &window), "a_Close");
        auto* button = named(new QCheckBox(QStringLiteral("OK"), &window), "sb_Ok");
        apply_language(file_of("[F_LOGIN]\r\nf_Login=Tabrel - login\r\nsb_Ok=Done\r\n"
                               "l_separator=changed\r\n[h]\r\nl_separator=hint\r\n"),
                       &window);
        QCOMPARE(window.windowTitle(), QStringLiteral("Tabrel - login"));
        QCOMPARE(kept->text(), QString::fromUtf8("Wprowadź"));
        QCOMPARE(separator->text(), QStringLiteral("-"));
        QVERIFY(separator->toolTip().isEmpty());
        QCOMPARE(check->text(), QString::fromUtf8("Usuń"));  // a missing key keeps the caption
        QCOMPARE(action->text(), QStringLiteral("Zamknij"));
        QCOMPARE(button->text(), QStringLiteral("Done"));
    }

    void radio_groups_grids_and_tab_sheets() {
        QWidget window;
        window.setObjectName(QStringLiteral("f_DutyAdd"));
        auto* group = named(new QGroupBox(QStringLiteral("Rodzaj"), &window), "rg_DutyType");
        group->setProperty(kRadioGroupProperty, true);
        auto* first = new QRadioButton(QStringLiteral("pierwszy"), group);
        auto* second = new QRadioButton(QStringLiteral("drugi"), group);
        auto* grid = named(new QTableWidget(2, 3, &window), "sag_DayOff");
        grid->setItem(0, 1, new QTableWidgetItem(QStringLiteral("stays")));
        auto* tabs = named(new QTabWidget(&window), "pc_Pages");
        tabs->addTab(named(new QWidget, "ts_User"), QString::fromUtf8("Użytkownik"));
        tabs->addTab(named(new QWidget, "ts_Other"), QStringLiteral("Inne"));
        apply_language(file_of("[f_DutyAdd]\r\nrg_DutyType=Kind\\rfirst\\nsecond\r\n"
                               "sag_DayOff=Name\\n[-]\\r\\nOwn\\r\\r\\nignored\\nbeyond\r\n"
                               "ts_User=User\r\n"),
                       &window);
        QCOMPARE(group->title(), QStringLiteral("Kind"));
        QCOMPARE(first->text(), QStringLiteral("first"));
        QCOMPARE(second->text(), QStringLiteral("second"));
        QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("Name"));
        QCOMPARE(grid->item(1, 0)->text(), QStringLiteral("[-]"));
        QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("stays"));
        QCOMPARE(grid->item(1, 1)->text(), QStringLiteral("Own"));
        QCOMPARE(tabs->tabText(0), QStringLiteral("User"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Inne"));
    }

    void each_window_reads_its_own_section_and_hints_are_shared() {
        QWidget main;
        main.setObjectName(QStringLiteral("Tf_MainForm"));
        auto* main_ok = named(new QLabel(QStringLiteral("OK"), &main), "sb_Ok");
        auto* dialog = new QDialog(&main);
        dialog->setObjectName(QStringLiteral("f_Login"));
        auto* dialog_ok = named(new QLabel(QStringLiteral("OK"), dialog), "sb_Ok");
        apply_language_to_all(
            file_of("[f_MainForm]\r\nsb_Ok=main\r\n[f_Login]\r\nsb_Ok=login\r\n"
                    "[h]\r\nsb_Ok=Confirms\r\n"));
        QCOMPARE(window_section(&main), QStringLiteral("f_MainForm"));
        QCOMPARE(main_ok->text(), QStringLiteral("main"));
        QCOMPARE(dialog_ok->text(), QStringLiteral("login"));
        QCOMPARE(main_ok->toolTip(), QStringLiteral("Confirms"));
        QCOMPARE(dialog_ok->toolTip(), QStringLiteral("Confirms"));
    }

    void texts_are_read_as_cp1250() {
        QWidget window;
        window.setObjectName(QStringLiteral("f_Options"));
        auto* label = named(new QLabel(&window), "l_Password");
        apply_language(file_of("[f_Options]\r\nl_Password=Has\xB3o u\xBFytkownika: \r\n"), &window);
        QCOMPARE(label->text(), QString::fromUtf8("Hasło użytkownika:"));
    }
};

QTEST_MAIN(TestLanguageApplier)
#include "test_language_applier.moc"
