#pragma once

#include <QObject>
#include <QWidget>

#include "app/app_state.h"
#include "editing/edit_context.h"
#include "editing/redisplay.h"
#include "main_actions.h"
#include "worktime/month_rebuild.h"

class QMenu;

namespace tabrel {

// The main window's editing commands: adding at the selected cell, the day marks, the
// planners, the carried overtime, the bulk deletions and the trash. Each calls its core
// operation and announces what the window must show again; a command the history cannot
// name from its change names itself first.
class EditCommands : public QObject {
    Q_OBJECT
public:
    EditCommands(AppState& app, EditContext& context, const MainActions& actions, QWidget* parent);

    // The calendar popup on opening: the day marks of the selected cell's day.
    void prepare_calendar_menu();
    // a_DayProperties, also a double click on a day: the day's notes and marks.
    void day_properties();
    // A tile dropped on the trash.
    void trash(const std::string& tile);

signals:
    void redisplay(const Redisplay& what);
    // The name of the edit that starts now, for the history.
    void named(const std::string& label);
    // The planner shows its plan before it is accepted; that is no edit of its own.
    void preview();
    // The calendar or the norm changed: the month bar shows the new texts.
    void norm_changed(const NormStatus& status);

private:
    void mark_day(NormStatus (*mark)(Roster&, Options&, int), std::string (*label)());
    void run_planner();
    void run_optimal_planner();
    void load_previous_overtime();
    void zero_overtime();
    void overtime_changed();

    AppState& app_;
    EditContext& context_;
    const MainActions& actions_;
    QWidget* dialog_parent_;
};

}  // namespace tabrel
