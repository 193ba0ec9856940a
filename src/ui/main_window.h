#pragma once

#include <QMainWindow>
#include <memory>

#include "app/app_state.h"
#include "base/year_month.h"
#include "calendar_area.h"
#include "day_off_dialog.h"
#include "duty_dialog.h"
#include "edit_commands.h"
#include "editing/edit_context.h"
#include "law_view.h"
#include "main_actions.h"
#include "month_bar.h"
#include "register_editors.h"
#include "staff_lists.h"
#include "window_history.h"
#include "window_printouts.h"
#include "worker_boxes.h"

class QCloseEvent;
class QMenu;

namespace tabrel {

class OptionsDialog;

// The main window. It shows the roster held by the AppState and runs its commands.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(AppState& app, QWidget* parent = nullptr);

    // Rebuilds the group list and with it the worker list, the grid and the guidance.
    void refresh_groups();
    // Composes again the texts the window builds itself (norm caption, guidance, panel edge),
    // after a language file was applied.
    void follow_language();

    const MainActions& actions() const { return actions_; }
    RegisterEditors& editors() const { return *editors_; }
    StaffLists* lists() const { return lists_; }
    CalendarArea* calendar_area() const { return calendar_area_; }
    MonthGrid* grid() const { return calendar_area_->sag; }
    MonthBar* month_bar() const { return month_bar_; }
    WorkerBoxes* worker_boxes() const { return boxes_; }
    QMenu* calendar_menu() const { return calendar_menu_; }
    WindowPrintouts* printouts() const { return printouts_; }
    LawView* law_view() const { return law_view_; }
    WindowHistory* history() const { return history_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void create_dialogs();
    void bind_commands();
    void bind_register_commands();
    void bind_views();
    void bind_keys();
    void build_calendar_menu();
    void choose_group(int group_index);
    void choose_worker(int worker_index);
    void refresh_workers();
    void register_changed();
    void update_restore_command();
    void show_roster();
    void lay_out_roster();
    void show_worker_boxes();
    void apply(const Redisplay& redisplay);
    void staff_changed(std::string (*label)());
    void show_carried();
    void update_guide();
    void run_guide();
    void toggle_panel();
    void show_panel_edge();
    void switch_month();
    void step_month(YearMonth (*step)(YearMonth));
    void recompute_norm();
    void show_group_norm_switches();
    void custom_norm_toggled(bool on);
    void custom_norm_entered();
    void move_worker_row(int from, int to);
    void move_group_row(int from, int to);
    void run_options(bool lists, bool occupations);
    void show_finding(int worker, int day);

    AppState& app_;
    MainActions actions_;
    std::unique_ptr<RegisterEditors> editors_;
    DutyDialog* duty_dialog_;
    DayOffDialog* day_off_dialog_;
    OptionsDialog* options_dialog_;
    std::unique_ptr<EditContext> context_;
    StaffLists* lists_;
    WorkerBoxes* boxes_;
    CalendarArea* calendar_area_;
    MonthBar* month_bar_;
    EditCommands* commands_;
    QMenu* calendar_menu_;
    WindowPrintouts* printouts_;
    LawView* law_view_;
    WindowHistory* history_;
    std::string next_label_;  // the name of the edit running now; read from the change if empty
};

}  // namespace tabrel
