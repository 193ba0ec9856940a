#pragma once

#include <QDialog>

#include "base/prompter.h"
#include "editing/day_properties.h"
#include "model/roster.h"

class QAction;
class QCheckBox;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QTabWidget;

namespace tabrel {

class DutyAxis;
class NotesEdit;

// "Dzień - parametry": the day's duties of the current group on a time line, its notes, the
// emergency duty and the holiday reset, over the core's DayProperties.
class DayPropertiesDialog : public QDialog {
    Q_OBJECT
public:
    DayPropertiesDialog(DayProperties& properties, const Roster& roster, Prompter& prompter,
                        QWidget* parent);

    // The calendar and norm as OK rebuilt them.
    const NormStatus& status() const { return status_; }

private:
    QWidget* duties_page();
    QWidget* other_page();
    void fill_duty_list();
    void lb_dayRowChanged(int row);
    void lb_dayContextMenu(const QPoint& at);
    void delete_selected_duty();
    void m_NotesChange();
    void b_DefaultHolidayClick();
    void sb_OkClick();

    QTabWidget* tabs;
    QListWidget* lb_day;
    DutyAxis* pb_tit;
    QMenu* pm_Duty;
    QAction* mi_DutyDelete;
    QLabel* l_notes;
    NotesEdit* m_Notes;
    QPushButton* b_DefaultHoliday;
    QCheckBox* cb_ERDuty;
    DayProperties& properties_;
    NormStatus status_;
};

}  // namespace tabrel
