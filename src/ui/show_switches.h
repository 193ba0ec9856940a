#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QWidget>

#include "editing/view_state.h"

namespace tabrel {

// The grid's show switches: whose entries ("Pokaż: " wszystkich/wybranego), which entries
// ("Pokaż: " wszystko/dyżury/wolne) and the tile captions ("Napisy: "). They write the
// ViewState and announce the change.
class ShowSwitches : public QWidget {
    Q_OBJECT
public:
    ShowSwitches(ViewState& view, QWidget* parent = nullptr);

    QGroupBox* rg_ShowWho;
    QGroupBox* rg_ShowWhat;
    QGroupBox* rg_Captions;

signals:
    // rg_ShowWho or rg_ShowWhat: the tiles are rebuilt.
    void shown_changed();
    // rg_Captions: the tiles are restyled.
    void captions_changed();

private:
    QButtonGroup* radio_group(QGroupBox* box, std::initializer_list<const char*> items,
                              int checked);
    void enable_captions();

    ViewState& view_;
};

}  // namespace tabrel
