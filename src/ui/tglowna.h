#pragma once

#include <QMainWindow>

#include "app/app_state.h"
#include "calendar_area.h"
#include "main_actions.h"
#include "month_bar.h"
#include "staff_lists.h"
#include "worktime/month_navigation.h"

class QCloseEvent;

namespace tabrel {

// The main window. It shows the roster held by the AppState and runs its commands.
class Tf_MainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit Tf_MainForm(AppState& app, QWidget* parent = nullptr);

    // Rebuilds the group list and with it the worker list and the guidance.
    void refresh_groups();

    const MainActions& actions() const { return actions_; }
    StaffLists* lists() const { return lists_; }
    CalendarArea* calendar_area() const { return calendar_area_; }
    MonthBar* month_bar() const { return month_bar_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void bind_commands();
    void bind_keys();
    void choose_group(int group_index);
    void choose_worker(int worker_index);
    void refresh_workers();
    void update_guide();
    void run_guide();
    void toggle_panel();
    void switch_month();
    void step_month(YearMonth (*step)(YearMonth));
    void recompute_norm();

    AppState& app_;
    MainActions actions_;
    StaffLists* lists_;
    CalendarArea* calendar_area_;
    MonthBar* month_bar_;
};

}  // namespace tabrel
