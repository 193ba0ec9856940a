#pragma once

#include <QTableWidget>
#include <vector>

#include "base/prompter.h"
#include "editing/group_editor.h"

namespace tabrel {

class ShiftCellDelegate;

// sag_Shifts: the group's shifts, one row each, under a two-line caption and unit header.
class ShiftTable : public QTableWidget {
    Q_OBJECT
public:
    ShiftTable(Prompter& prompter, QWidget* parent = nullptr);

    void set_rows(const std::vector<ShiftRow>& rows);
    std::vector<ShiftRow> rows() const;

    // tb_AutoCalc
    void set_auto_calc(bool on) { auto_calc_ = on; }
    bool editing() const { return state() == QAbstractItemView::EditingState; }

    // "Wstaw zmianę przed zaznaczoną", "Dodaj zmianę na końcu", "Usuń zaznaczoną zmianę".
    void insert_shift();
    void append_shift();
    void delete_shift();
    // The colour dialog for the colour cell of `row`.
    void choose_colour(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void put_row(int row, const ShiftRow& shift);
    void insert_at(int row);
    void renumber();
    void cell_edited();

    Prompter& prompter_;
    ShiftCellDelegate* delegate_;
    bool auto_calc_ = true;
};

}  // namespace tabrel
