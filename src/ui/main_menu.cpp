#include "main_menu.h"

#include <QMenu>

namespace tabrel {

namespace {

QMenu* add_menu(QWidget* parent_menu, const char* name, const char* caption) {
    auto* menu = new QMenu(QString::fromUtf8(caption), parent_menu);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QMenu* add_top_menu(QMenuBar* bar, const char* name, const char* caption) {
    QMenu* menu = add_menu(bar, name, caption);
    bar->addMenu(menu);
    return menu;
}

QMenu* add_submenu(QMenu* parent, const char* name, const char* caption) {
    QMenu* menu = add_menu(parent, name, caption);
    parent->addMenu(menu);
    return menu;
}

}  // namespace

void build_main_menu(QMenuBar* bar, const MainActions& a) {
    QMenu* groups = add_top_menu(bar, "mi_Groups", "Grupy");
    groups->addActions({a.a_GroupAdd, a.a_GroupEdit, a.a_GroupDelete});

    QMenu* workers = add_top_menu(bar, "mi_Workers", "Pracownicy");
    workers->addActions({a.a_WorkerAdd, a.a_WorkerEdit, a.a_WorkerDelete});
    workers->addSeparator();
    workers->addAction(a.a_WorkerRestore);
    workers->addSeparator();
    workers->addAction(a.a_PanelOnOff);

    QMenu* duties = add_top_menu(bar, "mi_Duties", "Dyżury");
    duties->addActions({a.a_automatic, a.a_automatic_optimal});
    QMenu* overtime = add_submenu(duties, "mi_Overtime", "Nadpracowania automatyczne");
    overtime->addActions({a.mi_OvertimeLoad, a.mi_OvertimeZero});
    duties->addSeparator();
    duties->addAction(a.a_DutyAdd);
    duties->addSeparator();
    QMenu* duties_delete = add_submenu(duties, "mi_DutiesDelete", "Usuń dyżury...");
    duties_delete->addActions({a.mi_DutiesDeleteWorker, a.mi_DutiesDeleteAll});

    QMenu* days_off = add_top_menu(bar, "mi_DaysOff", "Wolne");
    days_off->addAction(a.a_DayOffAdd);
    QMenu* days_off_delete = add_submenu(days_off, "mi_DaysOffDelete", "Usuń wolne...");
    days_off_delete->addActions({a.mi_DaysOffDeleteWorker, a.mi_DaysOffDeleteAll});

    QMenu* tools = add_top_menu(bar, "mi_Tools", "Narzędzia");
    tools->addActions({a.a_Options, a.a_Templates, a.a_IcalExport, a.a_LawCheck, a.a_PanelOnOff});
    tools->addSeparator();
    QMenu* restore = add_submenu(tools, "mi_Restore", "Odzyskaj z kopii zapasowej...");
    restore->addActions({a.a_RestoreMonth, a.a_RestoreWorkers, a.mi_RestoreUserFiles});

    QMenu* help = add_top_menu(bar, "mi_Help", "Pomoc");
    help->addActions({a.a_About, a.mi_Tutorial});
}

}  // namespace tabrel
