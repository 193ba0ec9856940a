#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QUrl>
#include <algorithm>
#include <filesystem>
#include <map>
#include <string>

#include "app/login.h"
#include "day_off_dialog.h"
#include "find_widget.h"
#include "group_dialog.h"
#include "login_dialog.h"
#include "qt_settings_store.h"
#include "run_program.h"
#include "scripted_user.h"
#include "shift_table.h"
#include "storage/archive.h"
#include "templates_dialog.h"
#include "window_fixture.h"
#include "worker_dialog.h"

using namespace tabrel;
using namespace tabrel::test;
namespace fs = std::filesystem;

namespace {

const fs::path kSourceTree = fs::path(TABREL_TEST_DATA).parent_path().parent_path();
const QString kGroup = QString::fromUtf8("Oddział wewnętrzny");
const QString kFirst = QStringLiteral("Kowalska Anna");
const QString kSecond = QString::fromUtf8("Żurawska Zofia");
const QString kSchedule = QString::fromUtf8("Harmonogram pracy grupy (miesięczny)");
const char* const kPassword = "oddzial7";

// Every file under `folder` by its path inside it, with its bytes.
using Snapshot = std::map<std::string, std::string>;

Snapshot snapshot(const fs::path& folder) {
    Snapshot files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), folder).generic_string()] = slurp(entry.path());
    return files;
}

// The members of a staff archive with their contents. The container also records when it was
// written (the member dates and its file list), which each save renews.
Snapshot unpacked(const std::string& archive_bytes) {
    TempDir work;
    spit(work / "kadra.inr", archive_bytes);
    std::vector<ArchiveMember> members;
    if (!list_archive(work / "kadra.inr", members).ok ||
        !extract_archive(work / "kadra.inr", work / "members").ok)
        return {{"unreadable archive", archive_bytes}};
    Snapshot files = snapshot(work / "members");
    for (const ArchiveMember& member : members) files[member.name] += " listed";
    return files;
}

// Where two versions of a file part: the first line that differs, shown in both.
std::string first_difference(const std::string& was, const std::string& is) {
    const auto [a, b] = std::mismatch(was.begin(), was.end(), is.begin(), is.end());
    const auto line_of = [](const std::string& text, std::string::const_iterator at) {
        const size_t from = text.rfind('\n', at - text.begin());
        const size_t start = from == std::string::npos ? 0 : from + 1;
        return text.substr(start, text.find('\n', start) - start);
    };
    return "was \"" + line_of(was, a) + "\", is \"" + line_of(is, b) + "\"";
}

// A data-file line written with "|" for the field separator.
std::string fields(std::string text) {
    std::replace(text.begin(), text.end(), '|', '\xA4');
    return text;
}

std::string cp1250(const QString& text) {
    return utf8_to_cp1250(text.toStdString()).value();
}

// The cells of a day's row in the schedule of work: number, weekday, then one per column.
QStringList day_cells(const std::string& html, int day) {
    const std::string start = "<td class=\"nr\">" + std::to_string(day) + "</td>";
    const size_t from = html.find(start);
    if (from == std::string::npos) return {};
    const std::string row = html.substr(from, html.find("</tr>", from) - from);
    return QString::fromLatin1(row).split(QStringLiteral("<td"), Qt::SkipEmptyParts);
}

// Typing as the keyboard delivers it, characters beyond Latin-1 included.
void type(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

void click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton);
}

// Into the field, the text, and on with Tab, so the field's leaving rules run.
void fill(QLineEdit* field, const QString& text) {
    click(field);
    type(field, text);
    QTest::keyClick(field, Qt::Key_Tab);
}

void click_row(QListWidget* list, const QString& text) {
    const QList<QListWidgetItem*> rows = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(rows.size() == 1, qPrintable(QStringLiteral("no single row ") + text));
    list->scrollToItem(rows.front());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(rows.front()).center());
}

QStringList row_texts(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    return texts;
}

MainWindow* main_window() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<MainWindow*>(w); form && form->isVisible()) return form;
    return nullptr;
}

template <typename Dialog>
Dialog* modal() {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    return dialog && dialog->isVisible() ? dialog : nullptr;
}

bool nothing_modal() {
    return QApplication::activeModalWidget() == nullptr;
}

QMessageBox* message(const char* text) {
    auto* box = modal<QMessageBox>();
    return box && box->text() == QString::fromUtf8(text) ? box : nullptr;
}

void answer(const char* question, QMessageBox::StandardButton button) {
    click(message(question)->button(button));
}

// The tiles of the calendar as the person reads them: duty or day off, worker, day, shift column,
// caption.
QStringList shown_entries(const MainWindow* form) {
    QStringList seen;
    for (const Tile& tile : form->grid()->layout().tiles)
        seen << QStringLiteral("%1 worker %2 day %3 shift %4 %5")
                    .arg(tile.kind == TileKind::Duty ? QStringLiteral("duty")
                                                     : QStringLiteral("day off"))
                    .arg(tile.worker)
                    .arg(tile.day + 1)
                    .arg(tile.sub_column)
                    .arg(QString::fromStdString(cp1250_to_utf8(tile.caption)));
    return seen;
}

size_t tile_count() {
    return main_window() ? main_window()->grid()->layout().tiles.size() : 0;
}

// The month the window shows, as the month bar tells it.
QDate shown_month() {
    const MainWindow* form = main_window();
    return form ? QDate(form->month_bar()->year(), form->month_bar()->month(), 1) : QDate();
}

void drop(MainWindow* form, DropSource::Kind kind, int day, int shift_no, bool ctrl) {
    QVERIFY2(drop_on(form->grid(), cell(*form, day, shift_no), {kind, {}}, ctrl),
             "the calendar refused the drop");
}

}  // namespace

// Stands in for the desktop's viewer: keeps what each opened printout held when it was opened.
class Viewer : public QObject {
    Q_OBJECT
public:
    std::vector<std::pair<fs::path, std::string>> opened;

public slots:
    void open(const QUrl& url) {
        const fs::path path = QFile::encodeName(url.toLocalFile()).toStdString();
        opened.emplace_back(path, slurp(path));
    }
};

class TestEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // The password lives in a settings file of the test's own, not the machine user's.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(settings_.path().string()));
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &viewer_, "open");
        for (const char* folder : {"templates", "lang"})
            fs::copy(kSourceTree / folder, program_.path() / folder, fs::copy_options::recursive);
    }

    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    void a_month_planned_from_an_empty_folder_is_found_again_after_a_restart() {
        const QDate started = QDate::currentDate();
        ScriptedUser first;
        plan_the_month(first);
        const int first_end = run_program(first);
        QVERIFY2(first.succeeded(), qPrintable(first.failure()));
        QCOMPARE(first_end, 0);
        QCOMPARE(viewer_.opened.size(), size_t(1));
        const Snapshot saved = snapshot(data());
        check_saved_files(saved);
        check_printout(viewer_.opened[0].first, viewer_.opened[0].second);
        if (QTest::currentTestFailed()) return;

        // Meanwhile the ward protected the program with a password.
        QtSettingsStore settings;
        QVERIFY(change_password(settings, kPassword));
        ScriptedUser second;
        find_the_month_again(second);
        const int second_end = run_program(second);
        QVERIFY2(second.succeeded(), qPrintable(second.failure()));
        QCOMPARE(second_end, 0);
        QCOMPARE(viewer_.opened.size(), size_t(2));
        QCOMPARE(viewer_.opened[1].first, viewer_.opened[0].first);
        if (QDate::currentDate() != started)
            QSKIP("midnight passed: the files carry the date they were saved on");
        QVERIFY(viewer_.opened[1].second == viewer_.opened[0].second);
        check_unchanged(saved, snapshot(data()));
    }

private:
    fs::path data() const { return program_.path() / "dane"; }

    int run_program(ScriptedUser& user) const {
        return user.play([this] { return tabrel::run_program(program_.path()); });
    }

    // A group with its shifts, two workers, two duties dropped on the calendar, the planner's
    // duties accepted, a look at the next month, the schedule of work printed, and the program
    // closed.
    void plan_the_month(ScriptedUser& user) {
        user.then(
            "the main window guiding to a group", [] { return main_window() && nothing_modal(); },
            [] {
                CalendarArea* area = main_window()->calendar_area();
                QCOMPARE(area->l_Guide->text(), QString::fromUtf8("Dodaj grupę"));
                QTest::mouseClick(area->l_Guide, Qt::LeftButton);
            });
        user.then(
            "the group dialog", [] { return modal<GroupDialog>(); },
            [] {
                GroupDialog* dialog = modal<GroupDialog>();
                fill(widget<QLineEdit>(*dialog, "e_GroupName"), kGroup);
                QCOMPARE(widget<ShiftTable>(*dialog, "sag_Shifts")->rowCount(), 2);
                click(widget<QPushButton>(*dialog, "b_OK"));
            });
        user.then(
            "the group listed, guiding to a worker",
            [] { return nothing_modal() && main_window()->lists()->cb_grupa->count() == 1; },
            [] {
                MainWindow* form = main_window();
                QCOMPARE(row_texts(form->lists()->cb_grupa), QStringList{kGroup});
                QCOMPARE(form->calendar_area()->l_Guide->text(),
                         QString::fromUtf8("Dodaj pracownika"));
                QTest::mouseClick(form->calendar_area()->l_Guide, Qt::LeftButton);
            });
        user.then(
            "the worker dialog for the first worker", [] { return modal<WorkerDialog>(); },
            [] {
                WorkerDialog* dialog = modal<WorkerDialog>();
                fill(widget<QLineEdit>(*dialog, "e_Surname"), QStringLiteral("Kowalska"));
                fill(widget<QLineEdit>(*dialog, "e_Name"), QStringLiteral("Anna"));
                QCOMPARE(widget<QLineEdit>(*dialog, "e_Nick")->text(), QStringLiteral("KA"));
                click(widget<QPushButton>(*dialog, "sb_Ok"));
            });
        user.then(
            "the first worker listed",
            [] { return nothing_modal() && main_window()->lists()->cb_kadra_new->count() == 1; },
            [] { main_window()->actions().a_WorkerAdd->trigger(); });
        user.then(
            "the worker dialog for the second worker", [] { return modal<WorkerDialog>(); },
            [] {
                WorkerDialog* dialog = modal<WorkerDialog>();
                fill(widget<QLineEdit>(*dialog, "e_Surname"), QString::fromUtf8("Żurawska"));
                fill(widget<QLineEdit>(*dialog, "e_Name"), QStringLiteral("Zofia"));
                // Planned by the planner: day, night and two days free, over and over.
                auto* scheme = widget<QRadioButton>(*dialog, "rb_AutoScheme");
                widget<QTabWidget>(*dialog, "pc_Worker")->setCurrentWidget(scheme->parentWidget());
                click(scheme);
                auto* pattern = widget<QLineEdit>(*dialog, "e_SystemPattern");
                pattern->clear();
                type(pattern, QStringLiteral("1200"));
                click(widget<QPushButton>(*dialog, "sb_Ok"));
            });
        user.then(
            "both workers listed",
            [] { return nothing_modal() && main_window()->lists()->cb_kadra_new->count() == 2; },
            [] {
                MainWindow* form = main_window();
                QCOMPARE(row_texts(form->lists()->cb_kadra_new), (QStringList{kFirst, kSecond}));
                click_row(form->lists()->cb_kadra_new, kFirst);
                drop(form, DropSource::Kind::DutyPanel, 4, 1, false);
            });
        user.then(
            "the duty dialog of the dropped duty", [] { return modal<DutyDialog>(); },
            [] {
                DutyDialog* dialog = modal<DutyDialog>();
                click(dialog->findChild<QRadioButton*>(QStringLiteral("rb_DutyType1")));
                QCOMPARE(widget<QLineEdit>(*dialog, "me_DutyFrom")->text(),
                         QStringLiteral("07:00"));
                click(widget<QPushButton>(*dialog, "sb_Ok"));
            });
        user.then(
            "the first duty on the calendar", [] { return nothing_modal() && tile_count() == 1; },
            [] {
                // With Ctrl the worker's duty goes in at once, as a whole shift.
                drop(main_window(), DropSource::Kind::WorkerList, 5, 2, true);
            });
        user.then(
            "the second duty on the calendar", [] { return nothing_modal() && tile_count() == 2; },
            [] { drop(main_window(), DropSource::Kind::DayOffPanel, 10, 1, false); });
        user.then(
            "the day-off dialog", [] { return modal<DayOffDialog>(); },
            [] {
                // Annual leave from the 10th to the 12th.
                DayOffDialog* dialog = modal<DayOffDialog>();
                auto* kinds = widget<QComboBox>(*dialog, "cb_DayOffType");
                auto* last_day = widget<QSpinBox>(*dialog, "se_DayOffTo");
                click(kinds);
                QTest::keyClick(kinds, Qt::Key_Down);
                QCOMPARE(kinds->currentText(), QStringLiteral("Wypoczynkowy"));
                last_day->setFocus();
                QTest::keyClick(last_day, Qt::Key_Up);
                QTest::keyClick(last_day, Qt::Key_Up);
                QCOMPARE(last_day->value(), 12);
                click(widget<QPushButton>(*dialog, "sb_Ok"));
            });
        user.then(
            "the leave on the calendar", [] { return nothing_modal() && tile_count() == 3; },
            [] { main_window()->actions().a_automatic->trigger(); });
        user.then(
            "the question whether to keep the planned duties",
            [] { return message("Czy zatwierdzić automatycznie wpisane dyżury?"); },
            [] { answer("Czy zatwierdzić automatycznie wpisane dyżury?", QMessageBox::Yes); });
        user.then(
            "the planned duties on the calendar",
            [] { return nothing_modal() && tile_count() > 2; },
            [this] {
                planned_ = shown_entries(main_window());
                planned_month_ = shown_month();
                click(main_window()->month_bar()->tb_MonthNext);
            });
        user.then(
            "the next month shown",
            [this] { return nothing_modal() && shown_month() == planned_month_.addMonths(1); },
            [] { click(main_window()->month_bar()->tb_MonthPrev); });
        user.then(
            "the planned month shown again",
            [this] { return nothing_modal() && shown_month() == planned_month_; },
            [this] {
                QCOMPARE(shown_entries(main_window()), planned_);
                main_window()->actions().a_Templates->trigger();
            });
        user.then(
            "the templates dialog", [] { return modal<TemplatesDialog>(); },
            [] {
                TemplatesDialog* dialog = modal<TemplatesDialog>();
                click_row(widget<QListWidget>(*dialog, "lb_Templates"), kSchedule);
                click(widget<QPushButton>(*dialog, "sb_Create"));
            });
        user.then(
            "the schedule of work opened", [this] { return viewer_.opened.size() == 1; },
            [] { click(widget<QPushButton>(*modal<TemplatesDialog>(), "sb_Cancel")); });
        close_the_program(user);
    }

    // The password typed, the same group, workers and duties shown, the schedule printed again
    // and the program closed.
    void find_the_month_again(ScriptedUser& user) {
        user.then(
            "the password dialog", [] { return modal<LoginDialog>(); },
            [] {
                LoginDialog* login = modal<LoginDialog>();
                type(widget<QLineEdit>(*login, "e_pass"), QString::fromLatin1(kPassword));
                click(widget<QPushButton>(*login, "sb_Ok"));
            });
        user.then(
            "the main window", [] { return main_window() && nothing_modal(); },
            [this] {
                MainWindow* form = main_window();
                QCOMPARE(row_texts(form->lists()->cb_grupa), QStringList{kGroup});
                QCOMPARE(row_texts(form->lists()->cb_kadra_new), (QStringList{kFirst, kSecond}));
                QCOMPARE(shown_month(), planned_month_);
                QCOMPARE(shown_entries(form), planned_);
                form->actions().a_Templates->trigger();
            });
        user.then(
            "the templates dialog", [] { return modal<TemplatesDialog>(); },
            [] {
                TemplatesDialog* dialog = modal<TemplatesDialog>();
                click_row(widget<QListWidget>(*dialog, "lb_Templates"), kSchedule);
                click(widget<QPushButton>(*dialog, "sb_Create"));
            });
        user.then(
            "the schedule of work opened", [this] { return viewer_.opened.size() == 2; },
            [] { click(widget<QPushButton>(*modal<TemplatesDialog>(), "sb_Cancel")); });
        close_the_program(user);
    }

    static void close_the_program(ScriptedUser& user) {
        user.then("the templates dialog closed", nothing_modal, [] { main_window()->close(); });
        user.then(
            "the question whether to close",
            [] { return message("Czy na pewno zamknąć program?"); },
            [] { answer("Czy na pewno zamknąć program?", QMessageBox::Yes); });
    }

    // The two dropped duties, written as placed, come first; the planner's follow. The leave is
    // the month's only day off.
    void check_saved_files(const Snapshot& saved) const {
        for (const char* name : {"grupy.ini", "kadra.inr", "konfiguracja.ini"})
            QVERIFY2(saved.count(name), name);
        const std::string groups = saved.at("grupy.ini");
        QVERIFY(groups.find(fields("|") + cp1250(kGroup) + fields("|")) != std::string::npos);
        QVERIFY(groups.find(fields("\r\nz|420|720|")) != std::string::npos);
        QVERIFY(groups.find(fields("\r\nz|1200|720|")) != std::string::npos);

        const std::string month_name =
            planned_month_.toString(QStringLiteral("yyyy_MM")).toStdString() + ".tbr";
        QVERIFY2(saved.count(month_name), month_name.c_str());
        const std::string& month = saved.at(month_name);
        const size_t duties =
            month.find(fields("[dyzury]\r\nd1=1|1|4|720|1|420|0||0\r\n"
                              "d2=1|1|5|720|2|1200|0||0\r\n"));
        QVERIFY(duties != std::string::npos);
        const std::string lines = month.substr(duties, month.find("\r\n\r\n", duties) - duties);
        QCOMPARE(std::count(lines.begin(), lines.end(), '\n'),
                 planned_.filter(QRegularExpression(QStringLiteral("^duty "))).size());
        // The leave's hours depend on the weekdays it covers.
        const std::string leave_start = fields("[wolne]\r\nw1=1|1|10|12|");
        const size_t leave = month.find(leave_start);
        QVERIFY(leave != std::string::npos);
        const size_t hours = leave + leave_start.size();
        const std::string rest = month.substr(hours, month.find("\r\n\r\n", hours) + 4 - hours);
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d+\xA4u\r\n\r\n$"))
                     .match(QString::fromLatin1(rest))
                     .hasMatch(),
                 rest.c_str());
    }

    // The schedule of work names the group and both workers and shows the dropped duties: on the
    // 4th the first worker leads the day shift, on the 5th the night shift.
    void check_printout(const fs::path& path, const std::string& html) const {
        QCOMPARE(path.parent_path(), program_.path() / "wydruki");
        QVERIFY(html.find("<p class=\"grupa\">" + cp1250(kGroup) + "</p>") != std::string::npos);
        QVERIFY(html.find("<td>KA</td><td>" + cp1250(kFirst) + "</td>") != std::string::npos);
        QVERIFY(html.find(cp1250(QString::fromUtf8("<td>ŻZ</td><td>")) + cp1250(kSecond) +
                          "</td>") != std::string::npos);
        QVERIFY(day_cells(html, 4).value(2).startsWith(QStringLiteral(">KA")));
        QVERIFY(day_cells(html, 5).value(3).startsWith(QStringLiteral(">KA")));
    }

    // Every file of the first run is there as it was; the staff archive holds the same files.
    // New are only the companion copies a start makes of each file it loads ("name.bak",
    // "name.err"): the first run's file, byte for byte.
    static void check_unchanged(const Snapshot& before, const Snapshot& after) {
        for (const auto& [name, bytes] : before) {
            QVERIFY2(after.count(name), name.c_str());
            if (fs::path(name).extension() == ".inr") {
                QVERIFY2(unpacked(after.at(name)) == unpacked(bytes), name.c_str());
                continue;
            }
            QVERIFY2(after.at(name) == bytes,
                     (name + ": " + first_difference(bytes, after.at(name))).c_str());
        }
        for (const auto& [name, bytes] : after) {
            if (before.count(name)) continue;
            const fs::path copy(name);
            const std::string original = (copy.parent_path() / copy.stem()).generic_string();
            QVERIFY2(copy.extension() == ".bak" || copy.extension() == ".err", name.c_str());
            QVERIFY2(before.count(original), name.c_str());
            QVERIFY2(bytes == before.at(original), name.c_str());
        }
    }

    TempDir program_;
    TempDir settings_;
    Viewer viewer_;
    QStringList planned_;
    QDate planned_month_;
};

int main(int argc, char* argv[]) {
    // The ward's computer: a Polish desktop on a Full HD screen, so the program speaks Polish and
    // its window fits the screen.
    qputenv("LANG", "pl_PL.UTF-8");
    qunsetenv("LC_ALL");
    qunsetenv("LC_MESSAGES");
    TempDir platform;
    spit(platform / "screen.json",
         R"({"screens": [{"name": "ward", "x": 0, "y": 0, "width": 1920, "height": 1080,)"
         R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    qputenv("QT_QPA_PLATFORM",
            QByteArray("offscreen:configfile=") +
                QFile::encodeName(QString::fromStdString((platform / "screen.json").string())));
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Dravik"));
    QApplication::setApplicationName(QStringLiteral("Tabrel"));
    TestEndToEnd test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_end_to_end.moc"
