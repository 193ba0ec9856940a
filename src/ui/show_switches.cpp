#include "show_switches.h"

#include <QHBoxLayout>
#include <QRadioButton>

#include "language_applier.h"

namespace tabrel {

namespace {

QGroupBox* titled_box(const char* name, const char* title, QWidget* parent) {
    auto* box = new QGroupBox(QString::fromUtf8(title), parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setProperty(kRadioGroupProperty, true);
    return box;
}

}  // namespace

ShowSwitches::ShowSwitches(ViewState& view, QWidget* parent) : QWidget(parent), view_(view) {
    rg_ShowWho = titled_box("rg_ShowWho", "Pokaż: ", this);
    rg_ShowWhat = titled_box("rg_ShowWhat", "Pokaż: ", this);
    rg_Captions = titled_box("rg_Captions", "Napisy: ", this);
    QButtonGroup* who =
        radio_group(rg_ShowWho, {"wszystkich", "wybranego"}, static_cast<int>(view.show_who));
    QButtonGroup* what =
        radio_group(rg_ShowWhat, {"wszystko", "dyżury", "wolne"}, static_cast<int>(view.show_what));
    QButtonGroup* captions =
        radio_group(rg_Captions, {"krótka nazwa", "typ dyżuru"}, static_cast<int>(view.captions));
    enable_captions();

    connect(who, &QButtonGroup::idClicked, this, [this](int id) {
        view_.show_who = static_cast<ViewState::ShowWho>(id);
        enable_captions();
        emit shown_changed();
    });
    connect(what, &QButtonGroup::idClicked, this, [this](int id) {
        view_.show_what = static_cast<ViewState::ShowWhat>(id);
        emit shown_changed();
    });
    connect(captions, &QButtonGroup::idClicked, this, [this](int id) {
        view_.captions = static_cast<ViewState::Captions>(id);
        emit captions_changed();
    });

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(rg_ShowWho);
    layout->addWidget(rg_ShowWhat);
    layout->addWidget(rg_Captions);
}

QButtonGroup* ShowSwitches::radio_group(QGroupBox* box, std::initializer_list<const char*> items,
                                        int checked) {
    auto* group = new QButtonGroup(box);
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(4, 0, 4, 0);
    int id = 0;
    for (const char* item : items) {
        auto* button = new QRadioButton(QString::fromUtf8(item), box);
        button->setChecked(id == checked);
        group->addButton(button, id++);
        layout->addWidget(button);
    }
    return group;
}

// The captions choose between short names and symbols only while everyone is shown.
void ShowSwitches::enable_captions() {
    rg_Captions->setEnabled(view_.show_who == ViewState::ShowWho::All);
}

}  // namespace tabrel
