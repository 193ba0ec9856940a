#pragma once

#include <QTableWidget>
#include <array>

#include "storage/options.h"

namespace tabrel {

// sag_DayOff: two header rows, then one row per kind of day off with its built-in name, own
// name, symbol and norm flag. Kinds whose flag is fixed are greyed and show no flag.
class DayOffGrid : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int kHeaderRows = 2;
    static constexpr int kFlagColumn = 3;

    explicit DayOffGrid(QWidget* parent = nullptr);

    void show_settings(const std::array<DayOffSetting, kDayOffTypeCount>& settings);
    // The names and symbols as typed and the flags as shown.
    std::array<QString, kDayOffTypeCount> names() const;
    std::array<QString, kDayOffTypeCount> symbols() const;
    bool lowers_norm(int kind_index) const { return flags_[kind_index]; }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void toggle_at(int row, int column);
    void show_flag(int kind_index);
    std::array<QString, kDayOffTypeCount> column_texts(int column) const;

    std::array<bool, kDayOffTypeCount> flags_{};
};

}  // namespace tabrel
