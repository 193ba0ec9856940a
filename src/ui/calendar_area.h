#pragma once

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QWidget>

#include "app/app_state.h"
#include "drag_panel.h"
#include "editing/edit_context.h"
#include "month_grid.h"
#include "show_switches.h"
#include "trash_panel.h"
#include "weekday_header.h"

namespace tabrel {

// The centre of the main window: the show switches and the drag panels, the month calendar
// with its day-name row (or, while there is nothing to plan, the guidance label in their
// place), the staffing of the selected cell and the preview of its day's notes.
class CalendarArea : public QWidget {
    Q_OBJECT
public:
    CalendarArea(AppState& app, EditContext& context, QWidget* parent = nullptr);

    // A non-empty text hides the calendar and shows the text instead; an empty one shows the
    // calendar.
    void show_guide(const QString& text);
    // Lays the tiles out anew and lets the day-name row follow the grid.
    void lay_out();
    // The selected cell's staffing and its day's notes.
    void show_selected_day();
    // Puts a widget at the left of the strip under the calendar.
    void add_below(QWidget* widget);

    QToolButton* xpan = nullptr;
    ShowSwitches* switches = nullptr;
    DragPanel* d = nullptr;
    DragPanel* w = nullptr;
    TrashPanel* d_Trash = nullptr;
    QLabel* l_Guide = nullptr;
    WeekdayHeader* header = nullptr;
    MonthGrid* sag = nullptr;
    QLabel* l_ile_na_dniu = nullptr;
    QGroupBox* gb_DaySummary = nullptr;
    QPlainTextEdit* m_Notes = nullptr;

signals:
    void guide_clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* build_top_strip(ViewState& view);
    QWidget* build_bottom_strip();

    QHBoxLayout* bottom_row_ = nullptr;
    AppState& app_;
};

}  // namespace tabrel
