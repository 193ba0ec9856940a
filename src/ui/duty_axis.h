#pragma once

#include <QWidget>

#include "model/roster.h"

class QAbstractScrollArea;

namespace tabrel {

// The header strip pb_tit over the duty rows: the current group's shift starts and the hours
// of the day on the rows' time line.
class DutyAxis : public QWidget {
    Q_OBJECT
public:
    // `rows` is the list whose rows the strip labels; the strip follows its drawing area.
    DutyAxis(const Roster& roster, const QAbstractScrollArea* rows, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect line_rect() const;

    const Roster& roster_;
    const QAbstractScrollArea* rows_;
};

// Minute where the day's time line starts: the current group's first shift start.
int axis_start(const Roster& roster);

}  // namespace tabrel
