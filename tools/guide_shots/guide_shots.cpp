// Takes the user guide's screenshots from the real windows: a ward is set up in a temporary
// folder, and each window is grabbed as the guide shows it. Run by scripts/guide-screenshots.sh.
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/app_state.h"
#include "group_dialog.h"
#include "i18n/cp1250.h"
#include "main_window.h"
#include "message_prompter.h"
#include "qt_translations.h"
#include "worker_dialog.h"

using namespace tabrel;

namespace {

QString out_folder;

void save(const QPixmap& picture, const char* name) {
    if (!picture.save(QDir(out_folder).filePath(QString::fromLatin1(name))))
        qFatal("cannot write %s", name);
}

// The whole screen while the next modal window is up, then `close` shuts that window.
void shoot_next_modal(const char* name, std::function<void(QWidget*)> close) {
    QTimer::singleShot(600, [name, close] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) qFatal("no window for %s", name);
        save(modal->window()->screen()->grabWindow(0), name);
        close(modal);
    });
}

Shift shift(uint16_t start, const char* symbol, uint32_t colour) {
    Shift s;
    s.zod = start;
    s.zile = 720;
    s.zsymbol = symbol;
    s.zkolor = colour;
    s.zobsada = 2;
    s.zobsadas = 2;
    return s;
}

Group ward_group() {
    Group g;
    g.id = 1;
    g.nazwa = cp("Chirurgia");
    g.profile.shifts = {shift(420, "D", rgb(255, 255, 160)), shift(1140, "N", rgb(160, 200, 255))};
    g.default_profile = g.profile;
    return g;
}

std::vector<Worker> ward_workers() {
    const char* names[][3] = {{"Nowak", "Anna", "AN"},      {"Wójcik", "Ewa", "EW"},
                              {"Kowalska", "Maria", "MK"},  {"Zając", "Beata", "BZ"},
                              {"Lewandowska", "Ola", "OL"}, {"Mazur", "Irena", "IM"}};
    std::vector<Worker> workers;
    uint16_t id = 1;
    for (const auto& n : names) {
        Worker w;
        w.id = id++;
        w.nazwisko = cp(n[0]);
        w.imie = cp(n[1]);
        w.pseudo = n[2];
        w.grupy = "1|";
        w.kolor = rgb(150 + 15 * w.id, 220, 255 - 15 * w.id);
        w.pref_system = true;
        w.pref_system_pattern = "1200";
        workers.push_back(w);
    }
    return workers;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    if (argc != 2) qFatal("usage: tabrel-guide-shots OUTPUT_FOLDER");
    out_folder = QString::fromLocal8Bit(argv[1]);
    use_qt_translations("polski");
    QTemporaryDir folder;
    MessagePrompter prompter;
    Locale locale;
    AppState app(std::filesystem::path(folder.path().toStdString()), prompter, locale,
                 system_clock());
    if (app.open_data_folder() != AppState::OpenResult::Ok) qFatal("data folder not opened");
    app.load_staff();

    MainWindow form(app);
    prompter.set_parent(&form);
    form.resize(1100, 720);
    form.move(20, 20);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) qFatal("window not shown");
    QTest::qWait(300);
    save(form.grab(), "01_pierwsze_uruchomienie.png");

    app.roster().groups = {ward_group()};
    form.refresh_groups();
    GroupDialog& groups = form.editors().group();
    groups.prepare_edit(app.roster().groups[0]);
    groups.show_tab(GroupDialog::Tab::Shifts);
    shoot_next_modal("02_grupa.png", [](QWidget* w) { w->close(); });
    groups.exec();

    app.roster().workers = ward_workers();
    form.refresh_groups();
    WorkerDialog& workers = form.editors().worker();
    workers.prepare_edit(0);
    shoot_next_modal("03_pracownik.png", [](QWidget* w) { w->close(); });
    workers.exec();

    form.month_bar()->show_month({2025, 5});
    form.month_bar()->tb_MonthNext->click();
    form.month_bar()->tb_MonthPrev->click();
    shoot_next_modal("04_rozpisanie.png", [](QWidget* w) {
        static_cast<QMessageBox*>(w)->button(QMessageBox::Yes)->click();
    });
    form.actions().a_automatic->trigger();
    QTest::qWait(300);
    save(form.grab(), "05_miesiac.png");

    shoot_next_modal("06_wydruki.png", [](QWidget* w) { w->close(); });
    form.actions().a_Templates->trigger();
    return 0;
}
