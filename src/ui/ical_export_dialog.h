#pragma once

#include <QDialog>

#include "app/app_state.h"
#include "export/ical_calendar.h"

class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace tabrel {

// "Eksport do kalendarza (iCalendar)...": whose entries (the selected worker or the current
// group), how many months from the shown one, and the folder to save into.
class IcalExportDialog : public QDialog {
    Q_OBJECT
public:
    IcalExportDialog(const AppState& app, QWidget* parent);

    IcalTarget target() const;
    int months() const;
    std::filesystem::path folder() const;

private:
    void choose_folder();

    uint16_t worker_id_ = 0;
    uint16_t group_id_ = 0;
    QRadioButton* rb_Worker;
    QRadioButton* rb_Group;
    QSpinBox* se_Months;
    QLineEdit* e_Folder;
};

// Asks what to export and writes the calendar file (wydruki/ by default); the shown month is
// taken as the window holds it, the following months from their files.
void run_ical_export(AppState& app, QWidget* parent);

}  // namespace tabrel
