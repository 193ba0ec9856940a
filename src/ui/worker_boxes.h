#pragma once

#include <QWidget>

#include "model/worker.h"

class QLabel;

namespace tabrel {

// The selected worker's month in figures: the caption " :: Pracownik: ", the box
// "Normatyw pracownika ", the hours box and the leave box.
class WorkerBoxes : public QWidget {
public:
    explicit WorkerBoxes(QWidget* parent = nullptr);

    // The worker's summary as computed by the core; nothing shows every value as "0".
    void show_worker(const Worker* worker);

private:
    QLabel* st_Workers;
    QLabel* l_wnq_Norma;
    QLabel* l_wnq_NormaUsed;
    QLabel* l_wnq_NormaUnused;
    QLabel* l_wnq_Overtime;
    QLabel* l_wnq_PreviousPeriod;
    QLabel* l_dq_Days;
    QLabel* l_dq_Nights;
    QLabel* l_dq_Holidays;
    QLabel* l_dq_Total;
    QLabel* l_lq_HolidayUnused;
    QLabel* l_lq_CareDaysUnused;
    QLabel* l_lq_RehaHolidayUnused;
    QLabel* l_lq_Total;
};

}  // namespace tabrel
