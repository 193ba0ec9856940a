#pragma once

#include <QAction>
#include <QObject>

namespace tabrel {

// Every command of the main window. Menus, toolbars and popup menus show these; a command is
// disabled until a handler is bound to it.
struct MainActions {
    QAction* a_GroupAdd;
    QAction* a_GroupEdit;
    QAction* a_GroupDelete;
    QAction* a_WorkerAdd;
    QAction* a_WorkerEdit;
    QAction* a_WorkerDelete;
    QAction* a_WorkerRestore;
    QAction* a_PanelOnOff;
    QAction* a_DutyAdd;
    QAction* a_DayOffAdd;
    QAction* a_automatic;
    QAction* a_automatic_optimal;
    QAction* a_MarkAsHoliday;
    QAction* a_ERDuty;
    QAction* a_DayProperties;
    QAction* a_CustomNorma;
    QAction* a_NewPeriod;
    QAction* a_Templates;
    QAction* a_IcalExport;
    QAction* a_LawCheck;
    QAction* a_RestoreMonth;
    QAction* a_RestoreWorkers;
    QAction* a_Options;
    QAction* a_About;
    QAction* a_Close;

    // Menu items that are not shared commands.
    QAction* mi_OvertimeLoad;
    QAction* mi_OvertimeZero;
    QAction* mi_DutiesDeleteWorker;
    QAction* mi_DutiesDeleteAll;
    QAction* mi_DaysOffDeleteWorker;
    QAction* mi_DaysOffDeleteAll;
    QAction* mi_RestoreUserFiles;
    QAction* mi_Tutorial;
};

// Creates the commands with their names, captions, hints and shortcuts, all disabled.
MainActions create_main_actions(QObject* owner);

// Enables a command and runs `handler` when it is triggered.
template <typename Handler>
void bind_action(QAction* action, QObject* context, Handler handler) {
    QObject::connect(action, &QAction::triggered, context, handler);
    action->setEnabled(true);
}

}  // namespace tabrel
