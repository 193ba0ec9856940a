#include "main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <utility>

#include "about_box.h"
#include "editing/entry_operations.h"
#include "exit_query.h"
#include "group_commands.h"
#include "group_dialog.h"
#include "i18n/text.h"
#include "main_menu.h"
#include "main_toolbar.h"
#include "model/register_order.h"
#include "model/shown_month.h"
#include "model/time_value.h"
#include "options_dialog.h"
#include "qt_settings_store.h"
#include "restore_menu.h"
#include "user_guide.h"
#include "worker_commands.h"
#include "worker_dialog.h"

namespace tabrel {

namespace {

template <typename Handler>
void on_key(QWidget* widget, Qt::Key key, QObject* context, Handler handler) {
    auto* shortcut = new QShortcut(QKeySequence(key), widget);
    shortcut->setContext(Qt::WidgetShortcut);
    QObject::connect(shortcut, &QShortcut::activated, context, handler);
}

std::string restored_label() {
    return tabrel::tr("und_WorkerRestore", "przywrócenie pracownika");
}

Group* current_group(Roster& roster) {
    const int g = roster.current_group;
    return g >= 0 && g < static_cast<int>(roster.groups.size()) ? &roster.groups[g] : nullptr;
}

}  // namespace

MainWindow::MainWindow(AppState& app, QWidget* parent)
    : QMainWindow(parent), app_(app), actions_(create_main_actions(this)) {
    setObjectName(QStringLiteral("Tf_MainForm"));
    create_dialogs();
    history_ = new WindowHistory(app.roster(), app.prompter(), this);
    setWindowTitle(QStringLiteral("Tabrel"));
    resize(1100, 720);

    build_main_menu(menuBar(), actions_);
    add_edit_menu(menuBar(), *history_);
    addToolBar(create_main_toolbar(actions_, this));
    addToolBarBreak();
    month_bar_ = new MonthBar(actions_, this);
    addToolBar(month_bar_);
    statusBar();

    auto* splitter = new QSplitter(this);
    lists_ = new StaffLists(app.roster(), app.options(), app.view(), splitter);
    calendar_area_ = new CalendarArea(app, *context_, splitter);
    boxes_ = new WorkerBoxes(calendar_area_);
    calendar_area_->add_below(boxes_);
    splitter->addWidget(lists_);
    splitter->addWidget(calendar_area_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({280, 820});
    setCentralWidget(splitter);
    commands_ = new EditCommands(app, *context_, actions_, this);
    build_calendar_menu();

    bind_commands();
    bind_register_commands();
    bind_views();
    bind_keys();
    printouts_ = new WindowPrintouts(app, *this);
    law_view_ = new LawView(app, *this, actions_.a_LawCheck);
    lists_->watch_law(app.law(), app.locale());
    connect(law_view_, &LawView::finding_chosen, this, &MainWindow::show_finding);
    connect(grid(), &MonthGrid::drop_starting, law_view_, &LawView::drop_starting);
    connect(grid(), &MonthGrid::drop_finished, law_view_, &LawView::drop_finished);
    const Date now = app_.clock().today();
    month_bar_->show_month({now.year, now.month});
    refresh_groups();
    switch_month();
}

// The dialogs live as long as the window, created in the order the program has always used.
void MainWindow::create_dialogs() {
    editors_ = std::make_unique<RegisterEditors>(app_, this);
    duty_dialog_ = new DutyDialog(app_.prompter(), this);
    day_off_dialog_ = new DayOffDialog(this);
    options_dialog_ = new OptionsDialog(app_, std::make_unique<QtSettingsStore>(), this);
    editors_->worker().customise_list = [this](bool occupations) {
        run_options(true, occupations);
    };
    // The texts the window composes itself follow the new language too.
    connect(options_dialog_, &OptionsDialog::language_changed, this, &MainWindow::follow_language);
    context_ =
        std::make_unique<EditContext>(EditContext{app_.roster(), app_.options(), app_.prompter(),
                                                  app_.view(), *duty_dialog_, *day_off_dialog_});
}

void MainWindow::bind_register_commands() {
    using Label = std::string (*)();
    const auto group_command = [this](bool (*run)(RegisterEditors&), Label label) {
        return [this, run, label] {
            if (run(*editors_)) staff_changed(label);
        };
    };
    bind_action(actions_.a_GroupAdd, this, group_command(run_group_add, [] {
                    return tabrel::tr("und_GroupAdd", "dodanie grupy");
                }));
    bind_action(actions_.a_GroupEdit, this, group_command(run_group_edit, [] {
                    return tabrel::tr("und_GroupEdit", "zmiana danych grupy");
                }));
    bind_action(actions_.a_GroupDelete, this, group_command(run_group_delete, [] {
                    return tabrel::tr("und_GroupDelete", "usunięcie grupy");
                }));
    const auto worker_command = [this](bool (*run)(RegisterEditors&, int), Label label) {
        return [this, run, label] {
            const int worker =
                lists_->cb_kadra_new->count() > 0 ? app_.roster().current_worker : -1;
            if (run(*editors_, worker)) staff_changed(label);
        };
    };
    bind_action(actions_.a_WorkerAdd, this, worker_command(run_worker_add, [] {
                    return tabrel::tr("und_WorkerAdd", "dodanie pracownika");
                }));
    bind_action(actions_.a_WorkerEdit, this, worker_command(run_worker_edit, [] {
                    return tabrel::tr("und_WorkerEdit", "zmiana danych pracownika");
                }));
    bind_action(actions_.a_WorkerDelete, this, worker_command(run_worker_delete, [] {
                    return tabrel::tr("und_WorkerDelete", "usunięcie pracownika");
                }));
    bind_action(actions_.a_WorkerRestore, this, worker_command(run_worker_restore, restored_label));
    if (auto* workers = menuBar()->findChild<QMenu*>(QStringLiteral("mi_Workers")))
        connect(workers, &QMenu::aboutToShow, this, &MainWindow::update_restore_command);
}

void MainWindow::bind_commands() {
    bind_action(actions_.a_PanelOnOff, this, [this] { toggle_panel(); });
    bind_action(actions_.a_About, this, [this] { show_about_box(this); });
    bind_action(actions_.a_Options, this, [this] { run_options(false, false); });
    bind_action(actions_.a_Close, this, [this] { close(); });
    bind_action(actions_.mi_Tutorial, this,
                [this] { open_user_guide(app_.folders().resources, app_.prompter()); });
    bind_restore_menu(*this, app_);
    bind_action(actions_.a_CustomNorma, this, [this](bool on) { custom_norm_toggled(on); });
    bind_action(actions_.a_NewPeriod, this, [this](bool on) {
        if (Group* group = current_group(app_.roster())) group->NewPeriod = on;
        history_->record(tabrel::tr("und_NewPeriod", "nowy okres"));
    });
    connect(month_bar_->norm_text, &QLineEdit::editingFinished, this,
            &MainWindow::custom_norm_entered);
    connect(month_bar_->se_Year, &QSpinBox::valueChanged, this, &MainWindow::switch_month);
    connect(month_bar_->cb_Month, &QComboBox::currentIndexChanged, this, &MainWindow::switch_month);
    connect(month_bar_->tb_MonthNext, &QToolButton::clicked, this,
            [this] { step_month(next_month); });
    connect(month_bar_->tb_MonthPrev, &QToolButton::clicked, this,
            [this] { step_month(previous_month); });
    connect(commands_, &EditCommands::redisplay, this, &MainWindow::apply);
    connect(commands_, &EditCommands::named, this,
            [this](const std::string& label) { next_label_ = label; });
    connect(commands_, &EditCommands::preview, this, &MainWindow::lay_out_roster);
    connect(history_, &WindowHistory::carried, this, &MainWindow::show_carried);
    connect(commands_, &EditCommands::norm_changed, month_bar_, &MonthBar::show_norm);
}

void MainWindow::bind_views() {
    connect(lists_, &StaffLists::group_chosen, this, &MainWindow::choose_group);
    connect(lists_, &StaffLists::worker_chosen, this, &MainWindow::choose_worker);
    connect(lists_, &StaffLists::workers_shown_changed, this, &MainWindow::show_roster);
    // The lists are rebuilt after a reorder; not while their own drop is still running.
    connect(lists_->cb_kadra_new, &RegisterList::record_moved, this, &MainWindow::move_worker_row,
            Qt::QueuedConnection);
    connect(lists_->cb_grupa, &RegisterList::record_moved, this, &MainWindow::move_group_row,
            Qt::QueuedConnection);
    CalendarArea* area = calendar_area_;
    connect(area, &CalendarArea::guide_clicked, this, &MainWindow::run_guide);
    connect(area->xpan, &QToolButton::clicked, this, &MainWindow::toggle_panel);
    connect(area->switches, &ShowSwitches::shown_changed, this, &MainWindow::show_roster);
    connect(area->switches, &ShowSwitches::captions_changed, this, &MainWindow::show_roster);
    connect(area->d_Trash, &TrashPanel::tile_dropped, commands_, &EditCommands::trash);
    MonthGrid* grid = area->sag;
    connect(grid, &MonthGrid::edited, this, &MainWindow::apply);
    connect(grid, &MonthGrid::close_requested, this, &QWidget::close);
    connect(grid, &MonthGrid::day_properties_requested, commands_, &EditCommands::day_properties);
    connect(grid, &MonthGrid::restore_requested, this, [this](int worker) {
        if (run_worker_restore(*editors_, worker)) staff_changed(restored_label);
    });
}

void MainWindow::bind_keys() {
    for (QWidget* w :
         {static_cast<QWidget*>(lists_->cb_grupa), static_cast<QWidget*>(lists_->cb_kadra_new),
          static_cast<QWidget*>(month_bar_->cb_Month)})
        on_key(w, Qt::Key_Escape, this, [this] { close(); });
    for (Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
        on_key(lists_->cb_grupa, enter, this, [this] { actions_.a_GroupEdit->trigger(); });
        on_key(lists_->cb_kadra_new, enter, this, [this] { actions_.a_WorkerEdit->trigger(); });
    }
    connect(lists_->cb_grupa, &QListWidget::itemDoubleClicked, actions_.a_GroupEdit,
            &QAction::trigger);
    connect(lists_->cb_kadra_new, &QListWidget::itemDoubleClicked, actions_.a_WorkerEdit,
            &QAction::trigger);
}

void MainWindow::build_calendar_menu() {
    calendar_menu_ = new QMenu(this);
    calendar_menu_->setObjectName(QStringLiteral("pm_kalendarz"));
    calendar_menu_->addActions({actions_.a_DutyAdd, actions_.a_DayOffAdd});
    calendar_menu_->addSeparator();
    calendar_menu_->addActions({actions_.a_MarkAsHoliday, actions_.a_ERDuty});
    QAction* properties = calendar_menu_->addAction(QString::fromUtf8("&Właściwości dnia"));
    properties->setObjectName(QStringLiteral("mi_DayProperties"));
    connect(properties, &QAction::triggered, actions_.a_DayProperties, &QAction::trigger);
    connect(calendar_menu_, &QMenu::aboutToShow, this, [this, properties] {
        commands_->prepare_calendar_menu();
        properties->setEnabled(actions_.a_DayProperties->isEnabled());
    });
    calendar_area_->sag->set_calendar_menu(calendar_menu_);
}

void MainWindow::follow_language() {
    // Without a group there is no norm to show.
    if (current_group(app_.roster())) recompute_norm();
    show_roster();
    show_panel_edge();
    history_->follow_language();
}

void MainWindow::refresh_groups() {
    app_.roster().current_group = static_cast<int16_t>(lists_->rebuild_groups(app_.roster()));
    show_group_norm_switches();
    refresh_workers();
}

// After an editor changed the registers: the lists on the roster's current group and worker,
// the month's norm for that group, and everything shown again.
void MainWindow::register_changed() {
    app_.roster().current_group = static_cast<int16_t>(lists_->rebuild_groups(app_.roster()));
    show_group_norm_switches();
    recompute_norm();
    refresh_workers();
}

// "Przywróć" is offered only for a deleted worker.
void MainWindow::update_restore_command() {
    const Roster& roster = app_.roster();
    actions_.a_WorkerRestore->setEnabled(lists_->cb_kadra_new->count() > 0 &&
                                         roster.current_worker < roster.workers.size() &&
                                         roster.workers[roster.current_worker].old);
}

void MainWindow::refresh_workers() {
    app_.roster().rebuild_worker_ids();
    show_roster();
}

// Everything shown again; the window settles on what it shows.
void MainWindow::show_roster() {
    lay_out_roster();
    history_->settle();
}

// The worker list selects the current worker, the tiles are laid out for it, and workers
// with tiles but no row get temporary rows.
void MainWindow::lay_out_roster() {
    law_view_->refresh();
    Roster& roster = app_.roster();
    const int worker = lists_->rebuild_workers(roster);
    if (worker >= 0) roster.current_worker = static_cast<uint16_t>(worker);
    calendar_area_->lay_out();
    const std::vector<int>& temporary = grid()->layout().temporary_workers;
    if (!temporary.empty()) lists_->rebuild_workers(roster, temporary);
    show_worker_boxes();
    update_restore_command();
    update_guide();
}

void MainWindow::show_worker_boxes() {
    const Roster& roster = app_.roster();
    const bool listed = lists_->cb_kadra_new->count() > 0;
    boxes_->show_worker(listed && roster.current_worker < roster.workers.size()
                            ? &roster.workers[roster.current_worker]
                            : nullptr);
}

// Every edit of the month ends here: it becomes one step of the history.
void MainWindow::apply(const Redisplay& redisplay) {
    history_->record(std::exchange(next_label_, {}));
    if (redisplay.any()) show_roster();
}

// An editor changed the registers: one step of the staff history.
void MainWindow::staff_changed(std::string (*label)()) {
    history_->record(label(), EditScope::Staff);
    register_changed();
}

// A step was undone or redone: the registers, the norm and the month are shown anew.
void MainWindow::show_carried() {
    register_changed();
}

void MainWindow::choose_group(int group_index) {
    if (group_index < 0 || group_index == app_.roster().current_group) return;
    app_.roster().current_group = static_cast<int16_t>(group_index);
    show_group_norm_switches();
    recompute_norm();
    refresh_workers();
}

void MainWindow::choose_worker(int worker_index) {
    Roster& roster = app_.roster();
    if (worker_index < 0 || worker_index == roster.current_worker) return;
    roster.current_worker = static_cast<uint16_t>(worker_index);
    recompute_worker(roster, app_.options(), worker_index);
    calendar_area_->lay_out();
    lists_->cb_kadra_new->viewport()->update();
    show_worker_boxes();
    update_restore_command();
    history_->settle();
}

void MainWindow::update_guide() {
    QString guide;
    if (lists_->cb_grupa->count() == 0)
        guide = actions_.a_GroupAdd->statusTip();
    else if (lists_->cb_kadra_new->count() == 0)
        guide = actions_.a_WorkerAdd->statusTip();
    calendar_area_->show_guide(guide);
}

void MainWindow::run_guide() {
    if (lists_->cb_grupa->count() == 0)
        actions_.a_GroupAdd->trigger();
    else if (lists_->cb_kadra_new->count() == 0)
        actions_.a_WorkerAdd->trigger();
}

void MainWindow::toggle_panel() {
    const bool show = lists_->isHidden();
    lists_->setVisible(show);
    show_panel_edge();
    if (show) lists_->cb_kadra_new->setFocus();
}

// The edge points the way the panel goes on the next click.
void MainWindow::show_panel_edge() {
    calendar_area_->xpan->setText(QString::fromUtf8(lists_->isHidden() ? "«" : "»"));
}

// Saves the month left and loads the month the controls show; the month's history ends with it.
void MainWindow::switch_month() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Roster& roster = app_.roster();
    const YearMonth left = shown_year_month(roster);
    month_bar_->show_norm(app_.months().switch_to(month_bar_->year(), month_bar_->month()));
    // The user may stay on a month that could not be saved; the controls then show it again.
    month_bar_->show_month(shown_year_month(roster));
    lay_out_roster();
    // Either way the state shown is the one the next edit starts from.
    if (shown_year_month(roster) != left)
        history_->leave_month();
    else
        history_->settle();
    QApplication::restoreOverrideCursor();
}

void MainWindow::step_month(YearMonth (*step)(YearMonth)) {
    month_bar_->show_month(step({month_bar_->year(), month_bar_->month()}));
    switch_month();
}

// A new current group brings its own holidays, shifts and norm.
void MainWindow::recompute_norm() {
    month_bar_->show_norm(app_.months().recompute());
}

// The toggles show the current group's own settings.
void MainWindow::show_group_norm_switches() {
    const Group* group = current_group(app_.roster());
    const QSignalBlocker custom_quiet(actions_.a_CustomNorma);
    const QSignalBlocker period_quiet(actions_.a_NewPeriod);
    actions_.a_CustomNorma->setChecked(group && group->CustomNorma);
    actions_.a_NewPeriod->setChecked(group && group->NewPeriod);
    month_bar_->norm_text->setEnabled(group && group->CustomNorma);
}

void MainWindow::custom_norm_toggled(bool on) {
    Group* group = current_group(app_.roster());
    if (!group) return;
    group->CustomNorma = on;
    history_->record(tabrel::tr("und_CustomNorma", "własny normatyw"));
    month_bar_->norm_text->setEnabled(on);
    recompute_norm();
    show_roster();
}

// A text that is no time keeps the norm the group had.
void MainWindow::custom_norm_entered() {
    Group* group = current_group(app_.roster());
    if (!group || !group->CustomNorma) return;
    try {
        group->Norma = static_cast<uint16_t>(
            std::max<TimeValue>(h2min(month_bar_->norm_text->text().toStdString()), 0));
    } catch (const TimeConversionError&) {
    }
    history_->record(tabrel::tr("und_CustomNorma", "własny normatyw"));
    recompute_norm();
    show_roster();
}

void MainWindow::move_worker_row(int from, int to) {
    move_worker(app_.roster(), from, to);
    history_->record(tabrel::tr("und_WorkerOrder", "zmiana kolejności pracowników"),
                     EditScope::Staff);
    refresh_workers();
}

void MainWindow::move_group_row(int from, int to) {
    move_group(app_.roster(), from, to);
    history_->record(tabrel::tr("und_GroupOrder", "zmiana kolejności grup"), EditScope::Staff);
    refresh_groups();
}

// The settings in force change the norm, the summaries and what the grid shows.
void MainWindow::run_options(bool lists, bool occupations) {
    if (lists)
        options_dialog_->prepare_lists(occupations);
    else
        options_dialog_->prepare();
    if (options_dialog_->exec() != QDialog::Accepted) return;
    recompute_norm();
    show_roster();
}

// A finding chosen in the list: its worker and day selected, on the worker's shift that day
// when the worker has a duty of the group there.
void MainWindow::show_finding(int worker, int day) {
    Roster& roster = app_.roster();
    if (worker < 0 || worker >= static_cast<int>(roster.workers.size()) || day < 1 ||
        day > roster.month_days())
        return;
    roster.current_worker = static_cast<uint16_t>(worker);
    recompute_worker(roster, app_.options(), worker);
    const Duty& duty = roster.workers[worker].duties[day - 1];
    const Group* group = roster.current();
    ViewState& view = app_.view();
    view.selected_day = static_cast<uint8_t>(day);
    if (group && duty.seq != 0 && duty.group_id == group->id)
        view.selected_shift = duty.shift_no;
    else if (view.selected_shift == 0)
        view.selected_shift = 1;
    show_roster();
    grid()->setFocus();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (query_exit(app_, this, &printouts_->printouts()))
        event->accept();
    else
        event->ignore();
}

}  // namespace tabrel
