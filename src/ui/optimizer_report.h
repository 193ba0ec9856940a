#pragma once

#include <QDialog>

#include "base/locale.h"
#include "model/roster.h"
#include "optimizer/optimal_planner.h"
#include "storage/options.h"

namespace tabrel {

// What a kept optimal plan came to: how the search ended, the shortfall left by day and shift,
// each worker's deviation from the norm with the nights and weekend and holiday duties, and the
// working-time findings of the planned group as the law check finds them now.
class OptimizerReport : public QDialog {
    Q_OBJECT
public:
    OptimizerReport(const OptimalPlan& plan, const Roster& roster, const Options& options,
                    const Locale& locale, QWidget* parent = nullptr);
};

}  // namespace tabrel
