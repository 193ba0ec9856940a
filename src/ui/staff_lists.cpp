#include "staff_lists.h"

#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "qt_text.h"

namespace tabrel {

namespace {

QListWidgetItem* add_row(QListWidget* list, const QString& text, int index) {
    auto* item = new QListWidgetItem(text, list);
    item->setData(Qt::UserRole, index);
    return item;
}

QLabel* caption(const char* name, const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

// Selects the row holding `index`, else the first row; the chosen register index or -1.
int select_index(QListWidget* list, int index) {
    QListWidgetItem* chosen = list->count() > 0 ? list->item(0) : nullptr;
    for (int row = 0; row < list->count(); ++row)
        if (StaffLists::index_of(list->item(row)) == index) chosen = list->item(row);
    list->setCurrentItem(chosen);
    return StaffLists::index_of(chosen);
}

}  // namespace

StaffLists::StaffLists(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("x_Panel"));
    cb_grupa = new QListWidget(this);
    cb_grupa->setObjectName(QStringLiteral("cb_grupa"));
    cb_kadra_new = new QListWidget(this);
    cb_kadra_new->setObjectName(QStringLiteral("cb_kadra_new"));
    cb_kadra_new->setToolTip(
        QStringLiteral("Nazwisko i imię [godziny \"świąteczne\"/liczba nocy]"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(caption("l_Groups", " :: Grupy ", this));
    layout->addWidget(cb_grupa, 1);
    layout->addWidget(caption("l_Workers", " :: Pracownicy ", this));
    layout->addWidget(cb_kadra_new, 3);

    connect(cb_grupa, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem* item) { emit group_chosen(index_of(item)); });
    connect(cb_kadra_new, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem* item) { emit worker_chosen(index_of(item)); });
}

int StaffLists::index_of(const QListWidgetItem* item) {
    return item ? item->data(Qt::UserRole).toInt() : -1;
}

int StaffLists::rebuild_groups(const Roster& roster) {
    const QSignalBlocker quiet(cb_grupa);
    cb_grupa->clear();
    for (size_t i = 0; i < roster.groups.size(); ++i)
        if (!roster.groups[i].old)
            add_row(cb_grupa, qt_text(roster.groups[i].nazwa), static_cast<int>(i));
    return select_index(cb_grupa, roster.current_group);
}

int StaffLists::rebuild_workers(const Roster& roster) {
    const QSignalBlocker quiet(cb_kadra_new);
    cb_kadra_new->clear();
    const Group* group = roster.current();
    for (size_t i = 0; group && i < roster.workers.size(); ++i) {
        const Worker& w = roster.workers[i];
        if (w.old || !belongs_to(w, group->id)) continue;
        add_row(cb_kadra_new, qt_text(w.nazwisko + " " + w.imie), static_cast<int>(i));
    }
    return select_index(cb_kadra_new, roster.current_worker);
}

}  // namespace tabrel
