#pragma once

#include <QListWidget>

namespace tabrel {

// A list of register records (groups or workers), each row holding its record's index. Rows
// are reordered by dragging inside the list; the worker list's rows may also be dragged onto
// the calendar.
class RegisterList : public QListWidget {
    Q_OBJECT
public:
    // `to_grid`: a drag also carries the selected worker to the calendar.
    RegisterList(const char* name, bool to_grid, QWidget* parent = nullptr);

    // Register index of the row, -1 for none.
    static int index_of(const QListWidgetItem* item);

signals:
    // A drag inside the list from the selected row's record to the record of the row under
    // the mouse.
    void record_moved(int from, int to);

protected:
    void startDrag(Qt::DropActions actions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool own_drag(const QDropEvent* event) const;

    bool to_grid_;
};

}  // namespace tabrel
