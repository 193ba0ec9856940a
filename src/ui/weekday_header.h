#pragma once

#include <QWidget>

#include "grid_geometry.h"

namespace tabrel {

// The day-name row above the grid, each weekday as wide as its sub-columns together.
class WeekdayHeader : public QWidget {
public:
    explicit WeekdayHeader(QWidget* parent = nullptr);

    void follow(const GridGeometry& geometry);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    GridGeometry geometry_;
};

}  // namespace tabrel
