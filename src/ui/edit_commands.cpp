#include "edit_commands.h"

#include "day_properties_dialog.h"
#include "editing/bulk_deletion.h"
#include "editing/day_properties.h"
#include "editing/entry_operations.h"
#include "editing/keyboard_entry.h"
#include "editing/tile_commands.h"
#include "i18n/text.h"
#include "optimizer_report.h"
#include "optimizer_search.h"
#include "planner/month_planner.h"
#include "showing_prompter.h"
#include "storage/ini_file.h"
#include "storage/safe_file.h"
#include "worktime/worker_norm.h"

namespace tabrel {

namespace {

const Redisplay kEverything{.duties = true, .days_off = true, .day = 0, .worker_list = true};

// Why a search gave nothing to place (cp1250); empty for a plan with duties.
std::string nothing_to_place(const OptimalPlan& plan) {
    if (plan.status == "infeasible")
        return tabrel::tr("msg_OptInfeasible",
                          "Nie ma planu, który spełnia wszystkie włączone zasady czasu pracy i "
                          "nie przekracza normy. Nic nie wpisano.");
    if (plan.status == "nothing_to_plan")
        return tabrel::tr("msg_OptNothingToPlan",
                          "W tej grupie nie ma komu ani kiedy rozpisać dyżurów (normy wypełnione, "
                          "wolne, \"Nie rozpisuj\"). Nic nie wpisano.");
    if (plan.duties.empty() && plan.status == "stopped")
        return tabrel::tr("msg_OptStoppedEarly",
                          "Szukanie przerwano, zanim znalazł się plan. Nic nie wpisano.");
    if (plan.duties.empty())
        return tabrel::tr("msg_OptNoDuties", "Najlepszy plan nie dodaje dyżurów. Nic nie wpisano.");
    return {};
}

}  // namespace

EditCommands::EditCommands(AppState& app, EditContext& context, const MainActions& actions,
                           QWidget* parent)
    : QObject(parent), app_(app), context_(context), actions_(actions), dialog_parent_(parent) {
    const auto edit = [this](Redisplay (*command)(EditContext&)) {
        return [this, command] { emit redisplay(command(context_)); };
    };
    bind_action(actions.a_DutyAdd, this, edit(add_duty_at_selection));
    bind_action(actions.a_DayOffAdd, this, edit(add_day_off_at_selection));
    using Label = std::string (*)();
    const auto named_edit = [this](Redisplay (*command)(EditContext&), Label label) {
        return [this, command, label] {
            emit named(label());
            emit redisplay(command(context_));
        };
    };
    const Label duties = [] { return tabrel::tr("und_DutiesDelete", "usunięcie dyżurów"); };
    const Label days_off = [] { return tabrel::tr("und_DaysOffDelete", "usunięcie wolnych"); };
    bind_action(actions.mi_DutiesDeleteWorker, this, named_edit(delete_worker_duties, duties));
    bind_action(actions.mi_DutiesDeleteAll, this, named_edit(delete_all_duties, duties));
    bind_action(actions.mi_DaysOffDeleteWorker, this, named_edit(delete_worker_days_off, days_off));
    bind_action(actions.mi_DaysOffDeleteAll, this, named_edit(delete_all_days_off, days_off));
    bind_action(actions.a_MarkAsHoliday, this, [this] {
        mark_day(toggle_holiday, [] { return tabrel::tr("und_Holiday", "święto"); });
    });
    bind_action(actions.a_ERDuty, this, [this] {
        mark_day(toggle_emergency_day, [] { return tabrel::tr("und_ERDuty", "ostry dyżur"); });
    });
    bind_action(actions.a_DayProperties, this, [this] { day_properties(); });
    bind_action(actions.a_automatic, this, [this] { run_planner(); });
    bind_action(actions.a_automatic_optimal, this, [this] { run_optimal_planner(); });
    actions.a_automatic_optimal->setEnabled(actions.a_automatic->isEnabled());
    connect(actions.a_automatic, &QAction::enabledChanged, actions.a_automatic_optimal,
            &QAction::setEnabled);
    bind_action(actions.mi_OvertimeLoad, this, [this] { load_previous_overtime(); });
    bind_action(actions.mi_OvertimeZero, this, [this] { zero_overtime(); });
}

void EditCommands::prepare_calendar_menu() {
    const CalendarPopup popup = calendar_popup(app_.roster(), app_.view().selected_day);
    actions_.a_MarkAsHoliday->setEnabled(popup.enabled);
    actions_.a_MarkAsHoliday->setChecked(popup.holiday_checked);
    actions_.a_ERDuty->setEnabled(popup.enabled);
    actions_.a_ERDuty->setChecked(popup.er_duty_checked);
    actions_.a_DayProperties->setEnabled(popup.enabled);
}

void EditCommands::trash(const std::string& tile) {
    emit redisplay(kosz(context_, tile));
}

void EditCommands::mark_day(NormStatus (*mark)(Roster&, Options&, int), std::string (*label)()) {
    const int day = app_.view().selected_day;
    if (!calendar_popup(app_.roster(), day).enabled) return;
    emit named(label());
    emit norm_changed(mark(app_.roster(), app_.options(), day));
    emit redisplay(kEverything);
}

void EditCommands::day_properties() {
    const ViewState& view = app_.view();
    if (!calendar_popup(app_.roster(), view.selected_day).enabled) return;
    emit named(tabrel::tr("und_DayProperties", "właściwości dnia"));
    DayProperties properties(app_.roster(), app_.options(), app_.prompter(), view.selected_day,
                             view.selected_shift);
    DayPropertiesDialog dialog(properties, app_.roster(), app_.prompter(), dialog_parent_);
    if (dialog.exec() == QDialog::Accepted) emit norm_changed(dialog.status());
    emit redisplay(kEverything);
}

void EditCommands::run_planner() {
    if (!app_.roster().current()) return;
    emit named(tabrel::tr("und_Planner", "rozpisanie dyżurów"));
    // The closing question is asked over the duties placed, in their not yet accepted look; the
    // planner counts the groups the worker list shows ("Pokaż: "). The run becomes one step
    // when it ends.
    ShowingPrompter prompter(app_.prompter(), [this] { emit preview(); });
    uloz_tabrel(app_.roster(), app_.options(), prompter, app_.view().show_all_workers);
    emit redisplay(kEverything);
}

void EditCommands::run_optimal_planner() {
    if (!app_.roster().current()) return;
    OptimizerSettings settings;
    settings.all_groups = app_.view().show_all_workers;
    OptimalPlan plan;
    try {
        plan = search_optimal_plan(app_.roster(), app_.options(), settings, dialog_parent_);
    } catch (const std::exception& e) {
        app_.prompter().error(e.what());
        return;
    }
    if (const std::string why = nothing_to_place(plan); !why.empty()) {
        app_.prompter().inform(why);
        return;
    }
    emit named(tabrel::tr("und_OptimalPlanner", "optymalne rozpisanie dyżurów"));
    ShowingPrompter prompter(app_.prompter(), [this] { emit preview(); });
    const bool kept =
        place_optimal_plan(app_.roster(), app_.options(), prompter, plan, settings.all_groups);
    emit redisplay(kEverything);
    if (kept)
        OptimizerReport(plan, app_.roster(), app_.options(), app_.locale(), dialog_parent_).exec();
}

void EditCommands::load_previous_overtime() {
    emit named(tabrel::tr("und_OvertimeLoad", "wczytanie nadpracowań"));
    const std::optional<std::string> text = read_file(app_.roster().previous_month_file);
    nadpracowania_auto_wczytaj_z_poprzedniego_miesiaca(app_.roster(),
                                                       IniFile::parse(text.value_or("")));
    overtime_changed();
}

void EditCommands::zero_overtime() {
    emit named(tabrel::tr("und_OvertimeZero", "zerowanie nadpracowań"));
    nadpracowania_auto_zeruj(app_.roster());
    overtime_changed();
}

// Every member's norm moves with its carry, and the worker list draws all their norm bars.
void EditCommands::overtime_changed() {
    Roster& roster = app_.roster();
    const Group* group = roster.current();
    for (size_t w = 0; group && w < roster.workers.size(); ++w)
        if (belongs_to(roster.workers[w], group->id))
            recompute_worker(roster, app_.options(), static_cast<int>(w));
    emit redisplay({.worker_list = true});
}

}  // namespace tabrel
