#include "main_actions.h"

#include <QKeySequence>

namespace tabrel {

namespace {

struct ActionDef {
    QAction* MainActions::*member;
    const char* name;
    const char* caption;
    const char* hint;      // "" when the command has none
    const char* shortcut;  // "" when the command has none
    bool checkable;
};

// clang-format off
const ActionDef kActions[] = {
    {&MainActions::a_GroupAdd, "a_GroupAdd", "Dodaj grupę", "Dodaj grupę", "", false},
    {&MainActions::a_GroupEdit, "a_GroupEdit", "Modyfikuj dane grupy", "Modyfikuj dane grupy", "", false},
    {&MainActions::a_GroupDelete, "a_GroupDelete", "Usuń grupę", "Usuń grupę", "", false},
    {&MainActions::a_WorkerAdd, "a_WorkerAdd", "Dodaj pracownika", "Dodaj pracownika", "Ctrl+Ins", false},
    {&MainActions::a_WorkerEdit, "a_WorkerEdit", "Modyfikuj dane pracownika", "Modyfikuj dane pracownika", "", false},
    {&MainActions::a_WorkerDelete, "a_WorkerDelete", "Usuń pracownika", "Usuń pracownika", "Del", false},
    {&MainActions::a_WorkerRestore, "a_WorkerRestore", "Przywróć", "", "Shift+Del", false},
    {&MainActions::a_PanelOnOff, "a_PanelOnOff", "Lista pracowników", "", "F4", false},
    {&MainActions::a_DutyAdd, "a_DutyAdd", "Dodaj dyżur", "Dodaj dyżur wybranemu pracownikowi w wybranym dniu", "Ins", false},
    {&MainActions::a_DayOffAdd, "a_DayOffAdd", "Dodaj wolne", "Dodaj wolne wybranemu pracownikowi w wybranym dniu", "", false},
    {&MainActions::a_automatic, "a_automatic", "Rozpisz dyżury ", "Rozpisz dyżury automatycznie", "Ctrl+R", false},
    {&MainActions::a_automatic_optimal, "a_automatic_optimal", "Rozpisz dyżury optymalnie...", "Szuka planu z pełną obsadą, bez naruszeń czasu pracy, blisko normy, z równym podziałem nocy i świąt", "", false},
    {&MainActions::a_MarkAsHoliday, "a_MarkAsHoliday", "Święto", "", "", true},
    {&MainActions::a_ERDuty, "a_ERDuty", "Ostry dyżur", "", "", true},
    {&MainActions::a_DayProperties, "a_DayProperties", "Właściwości dnia", "", "", false},
    {&MainActions::a_CustomNorma, "a_CustomNorma", "Własny normatyw", "Zaznacz by wprowadzić dowolny normatyw miesięczny", "", true},
    {&MainActions::a_NewPeriod, "a_NewPeriod", "New period", "Ten miesiąc rozpoczyna nowy okres rozliczeniowy", "", true},
    {&MainActions::a_Templates, "a_Templates", "Szablony wydruków", "", "Ctrl+D", false},
    {&MainActions::a_IcalExport, "a_IcalExport", "Eksport do kalendarza (iCalendar)...", "Dyżury i wolne do kalendarza w telefonie", "", false},
    {&MainActions::a_LawCheck, "a_LawCheck", "Kontrola czasu pracy...", "Naruszenia zasad odpoczynku i czasu pracy w planie grupy", "", false},
    {&MainActions::a_RestoreMonth, "a_RestoreMonth", "dane \"miesiąca\"...", "Dane w kopii zapasowej mają min. 3 dni ", "", false},
    {&MainActions::a_RestoreWorkers, "a_RestoreWorkers", "dane pracowników...", "Odzyskaj z kopii zapasowej dane pracowników", "", false},
    {&MainActions::a_Options, "a_Options", "Konfiguracja", "Konfiguracja programu", "", false},
    {&MainActions::a_About, "a_About", "O programie", "O programie", "", false},
    {&MainActions::a_Close, "a_Close", "Zamknij program", "Zamknij program", "", false},
    {&MainActions::mi_OvertimeLoad, "mi_OvertimeLoad", "Wczytaj z poprzedniego miesiąca", "", "", false},
    {&MainActions::mi_OvertimeZero, "mi_OvertimeZero", "Zeruj", "", "", false},
    {&MainActions::mi_DutiesDeleteWorker, "mi_DutiesDeleteWorker", "wybranego pracownika...", "", "", false},
    {&MainActions::mi_DutiesDeleteAll, "mi_DutiesDeleteAll", "wszystkie...", "", "", false},
    {&MainActions::mi_DaysOffDeleteWorker, "mi_DaysOffDeleteWorker", "wybranego pracownika...", "", "", false},
    {&MainActions::mi_DaysOffDeleteAll, "mi_DaysOffDeleteAll", "wszystkie...", "", "", false},
    {&MainActions::mi_RestoreUserFiles, "mi_RestoreUserFiles", "pliki użytkownika...", "", "", false},
    {&MainActions::mi_Tutorial, "mi_Tutorial", "Samouczek on-line", "", "", false},
};
// clang-format on

QAction* create_action(const ActionDef& def, QObject* owner) {
    auto* action = new QAction(QString::fromUtf8(def.caption), owner);
    action->setObjectName(QString::fromLatin1(def.name));
    const QString hint = QString::fromUtf8(def.hint);
    if (!hint.isEmpty()) {
        action->setStatusTip(hint);
        action->setToolTip(hint);
    }
    action->setShortcut(QKeySequence(QString::fromLatin1(def.shortcut)));
    action->setCheckable(def.checkable);
    action->setEnabled(false);
    return action;
}

}  // namespace

MainActions create_main_actions(QObject* owner) {
    MainActions actions{};
    for (const ActionDef& def : kActions) actions.*def.member = create_action(def, owner);
    return actions;
}

}  // namespace tabrel
