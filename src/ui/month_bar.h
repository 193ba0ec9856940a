#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QToolBar>
#include <QToolButton>

#include "base/year_month.h"
#include "main_actions.h"
#include "worktime/month_rebuild.h"

namespace tabrel {

// The month selection toolbar: year, previous month, month list, next month, the custom norm
// with its value, the new-period toggle and the norm texts.
class MonthBar : public QToolBar {
public:
    MonthBar(const MainActions& a, QWidget* parent);

    // Shows a month without announcing a month change.
    void show_month(YearMonth shown);
    // The year and month (1..12) the controls show.
    int year() const { return se_Year->value(); }
    int month() const { return cb_Month->currentIndex() + 1; }
    // Shows the group norm texts of the month.
    void show_norm(const NormStatus& status);

    QSpinBox* se_Year;
    QToolButton* tb_MonthPrev;
    QComboBox* cb_Month;
    QToolButton* tb_MonthNext;
    QLineEdit* norm_text;
    QLabel* norm_title;
    QLabel* norm_value;
};

}  // namespace tabrel
