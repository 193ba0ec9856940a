#include "tglowna.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>

#include "about_box.h"
#include "exit_query.h"
#include "main_menu.h"
#include "main_toolbar.h"

namespace tabrel {

namespace {

template <typename Handler>
void on_key(QWidget* widget, Qt::Key key, QObject* context, Handler handler) {
    auto* shortcut = new QShortcut(QKeySequence(key), widget);
    shortcut->setContext(Qt::WidgetShortcut);
    QObject::connect(shortcut, &QShortcut::activated, context, handler);
}

}  // namespace

Tf_MainForm::Tf_MainForm(AppState& app, QWidget* parent)
    : QMainWindow(parent), app_(app), actions_(create_main_actions(this)) {
    setObjectName(QStringLiteral("Tf_MainForm"));
    setWindowTitle(QStringLiteral("Tabrel"));
    resize(1100, 720);

    build_main_menu(menuBar(), actions_);
    addToolBar(create_main_toolbar(actions_, this));
    addToolBarBreak();
    month_bar_ = new MonthBar(actions_, this);
    addToolBar(month_bar_);
    statusBar();

    auto* splitter = new QSplitter(this);
    lists_ = new StaffLists(splitter);
    calendar_area_ = new CalendarArea(splitter);
    splitter->addWidget(lists_);
    splitter->addWidget(calendar_area_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 840});
    setCentralWidget(splitter);

    bind_commands();
    bind_keys();
    const Date now = today();
    month_bar_->show_month(now.year, now.month - 1);
    refresh_groups();
    switch_month();
}

void Tf_MainForm::bind_commands() {
    bind_action(actions_.a_PanelOnOff, this, [this] { toggle_panel(); });
    bind_action(actions_.a_About, this, [this] { show_about_box(this); });
    bind_action(actions_.a_Close, this, [this] { close(); });
    connect(lists_, &StaffLists::group_chosen, this, &Tf_MainForm::choose_group);
    connect(lists_, &StaffLists::worker_chosen, this, &Tf_MainForm::choose_worker);
    connect(calendar_area_, &CalendarArea::guide_clicked, this, &Tf_MainForm::run_guide);
    connect(month_bar_->se_Year, &QSpinBox::valueChanged, this, &Tf_MainForm::switch_month);
    connect(month_bar_->cb_Month, &QComboBox::currentIndexChanged, this,
            &Tf_MainForm::switch_month);
    connect(month_bar_->tb_MonthNext, &QToolButton::clicked, this,
            [this] { step_month(next_month); });
    connect(month_bar_->tb_MonthPrev, &QToolButton::clicked, this,
            [this] { step_month(previous_month); });
}

void Tf_MainForm::bind_keys() {
    for (QWidget* w :
         {static_cast<QWidget*>(lists_->cb_grupa), static_cast<QWidget*>(lists_->cb_kadra_new),
          static_cast<QWidget*>(month_bar_->cb_Month)})
        on_key(w, Qt::Key_Escape, this, [this] { close(); });
    for (Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
        on_key(lists_->cb_grupa, enter, this, [this] { actions_.a_GroupEdit->trigger(); });
        on_key(lists_->cb_kadra_new, enter, this, [this] { actions_.a_WorkerEdit->trigger(); });
    }
}

void Tf_MainForm::refresh_groups() {
    app_.roster().current_group = static_cast<int16_t>(lists_->rebuild_groups(app_.roster()));
    refresh_workers();
}

void Tf_MainForm::refresh_workers() {
    Roster& roster = app_.roster();
    roster.rebuild_worker_ids();
    const int worker = lists_->rebuild_workers(roster);
    if (worker >= 0) roster.current_worker = static_cast<uint16_t>(worker);
    update_guide();
}

void Tf_MainForm::choose_group(int group_index) {
    if (group_index < 0 || group_index == app_.roster().current_group) return;
    app_.roster().current_group = static_cast<int16_t>(group_index);
    refresh_workers();
    recompute_norm();
}

void Tf_MainForm::choose_worker(int worker_index) {
    if (worker_index >= 0) app_.roster().current_worker = static_cast<uint16_t>(worker_index);
}

void Tf_MainForm::update_guide() {
    QString guide;
    if (lists_->cb_grupa->count() == 0)
        guide = actions_.a_GroupAdd->statusTip();
    else if (lists_->cb_kadra_new->count() == 0)
        guide = actions_.a_WorkerAdd->statusTip();
    calendar_area_->show_guide(guide);
}

void Tf_MainForm::run_guide() {
    if (lists_->cb_grupa->count() == 0)
        actions_.a_GroupAdd->trigger();
    else if (lists_->cb_kadra_new->count() == 0)
        actions_.a_WorkerAdd->trigger();
}

void Tf_MainForm::toggle_panel() {
    const bool show = lists_->isHidden();
    lists_->setVisible(show);
    if (show) lists_->cb_kadra_new->setFocus();
}

// Saves the month left and loads the month the controls show.
void Tf_MainForm::switch_month() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    month_bar_->show_norm(app_.months().cb_MonthChange(month_bar_->year(), month_bar_->month()));
    QApplication::restoreOverrideCursor();
}

void Tf_MainForm::step_month(YearMonth (*step)(YearMonth)) {
    const YearMonth to = step({month_bar_->year(), month_bar_->month()});
    month_bar_->show_month(to.year, to.month - 1);
    switch_month();
}

// A new current group brings its own holidays, shifts and norm.
void Tf_MainForm::recompute_norm() {
    month_bar_->show_norm(app_.months().recompute());
}

void Tf_MainForm::closeEvent(QCloseEvent* event) {
    if (query_exit(app_))
        event->accept();
    else
        event->ignore();
}

}  // namespace tabrel
