#pragma once

#include <QLabel>
#include <string>

namespace tabrel {

// "Kosz": a duty or day-off tile dropped here is deleted.
class TrashPanel : public QLabel {
    Q_OBJECT
public:
    explicit TrashPanel(QWidget* parent = nullptr);

signals:
    void tile_dropped(const std::string& tile);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void accept_tiles(QDropEvent* event);
};

}  // namespace tabrel
