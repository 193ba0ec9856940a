#include "staff_lists.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "app/law_texts.h"
#include "editing/worker_list_rows.h"
#include "group_row_delegate.h"
#include "language_applier.h"
#include "qt_text.h"
#include "worker_row_delegate.h"

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

// A worker's row. The text of its findings is put together only when its hint is shown: a full
// ward has thousands of findings, and the list is refilled on every change of the plan.
class WorkerRow : public QListWidgetItem {
public:
    WorkerRow(int worker, const StaffLists& lists, QListWidget* list)
        : QListWidgetItem(list), lists_(lists) {
        setData(Qt::UserRole, worker);
    }

    QVariant data(int role) const override {
        if (role == Qt::ToolTipRole && QListWidgetItem::data(kLawFindingsRole).toBool())
            return lists_.law_hint(StaffLists::index_of(this));
        return QListWidgetItem::data(role);
    }

private:
    const StaffLists& lists_;
};

// The list holds a row for each of `rows`, in their order.
bool holds_rows(const QListWidget* list, const std::vector<WorkerListRow>& rows) {
    if (list->count() != static_cast<int>(rows.size())) return false;
    for (int i = 0; i < list->count(); ++i)
        if (StaffLists::index_of(list->item(i)) != rows[i].worker) return false;
    return true;
}

// The ids of the workers with findings, sorted.
std::vector<uint16_t> workers_with_findings(const LawWatch* law) {
    std::vector<uint16_t> ids;
    if (law == nullptr) return ids;
    // The findings come worker by worker: a full ward's thousands give a few dozen ids.
    for (const LawFinding& f : law->findings())
        if (ids.empty() || ids.back() != f.worker_id) ids.push_back(f.worker_id);
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return ids;
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

StaffLists::StaffLists(const Roster& roster, const Options& options, ViewState& view,
                       QWidget* parent)
    : QWidget(parent), roster_(roster), view_(view) {
    setObjectName(QStringLiteral("x_Panel"));
    cb_grupa = new RegisterList("cb_grupa", false, this);
    cb_grupa->setItemDelegate(new GroupRowDelegate(roster, cb_grupa));
    cb_kadra_new = new RegisterList("cb_kadra_new", true, this);
    cb_kadra_new->setItemDelegate(new WorkerRowDelegate(roster, options, cb_kadra_new));
    cb_kadra_new->setToolTip(
        QString::fromUtf8("Nazwisko i imię [godziny \"świąteczne\"/liczba nocy]"));
    build_worker_switches();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(caption("l_Groups", " :: Grupy ", this));
    layout->addWidget(cb_grupa, 1);
    layout->addWidget(caption("l_Workers", " :: Pracownicy ", this));
    layout->addWidget(rg_ShowWorkers);
    layout->addWidget(cb_ShowDeleted);
    layout->addWidget(cb_kadra_new, 3);

    connect(cb_grupa, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem* item) { emit group_chosen(index_of(item)); });
    connect(cb_kadra_new, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem* item) { emit worker_chosen(index_of(item)); });
}

void StaffLists::build_worker_switches() {
    rg_ShowWorkers = new QGroupBox(QString::fromUtf8("Pokaż: "), this);
    rg_ShowWorkers->setObjectName(QStringLiteral("rg_ShowWorkers"));
    rg_ShowWorkers->setProperty(kRadioGroupProperty, true);
    auto* choice = new QButtonGroup(rg_ShowWorkers);
    auto* row = new QHBoxLayout(rg_ShowWorkers);
    row->setContentsMargins(4, 0, 4, 0);
    int id = 0;
    for (const char* item : {"członków grupy", "wszystkich"}) {
        auto* button = new QRadioButton(QString::fromUtf8(item), rg_ShowWorkers);
        button->setChecked((id == 1) == view_.show_all_workers);
        choice->addButton(button, id++);
        row->addWidget(button);
    }
    cb_ShowDeleted = new QCheckBox(QString::fromUtf8("Pokaż usuniętych"), this);
    cb_ShowDeleted->setObjectName(QStringLiteral("cb_ShowDeleted"));
    cb_ShowDeleted->setChecked(view_.show_deleted);

    connect(choice, &QButtonGroup::idClicked, this, [this](int chosen) {
        view_.show_all_workers = chosen == 1;
        emit workers_shown_changed();
    });
    connect(cb_ShowDeleted, &QCheckBox::toggled, this, [this](bool on) {
        view_.show_deleted = on;
        emit workers_shown_changed();
    });
}

int StaffLists::rebuild_groups(const Roster& roster) {
    const QSignalBlocker quiet(cb_grupa);
    cb_grupa->clear();
    for (size_t i = 0; i < roster.groups.size(); ++i)
        if (!roster.groups[i].old)
            add_row(cb_grupa, qt_text(roster.groups[i].nazwa), static_cast<int>(i));
    return select_index(cb_grupa, roster.current_group);
}

// Rows that stay in place are only updated: a drop on a full ward changes a row or two.
int StaffLists::rebuild_workers(const Roster& roster, const std::vector<int>& temporary) {
    const QSignalBlocker quiet(cb_kadra_new);
    std::vector<WorkerListRow> rows;
    if (roster.current()) {
        rows =
            odswiez_liste_prac_panel(roster, view_, 0, static_cast<int>(roster.workers.size()) - 1);
        add_temporary_rows(rows, roster, temporary);
    }
    if (!holds_rows(cb_kadra_new, rows)) {
        cb_kadra_new->clear();
        for (const WorkerListRow& row : rows) new WorkerRow(row.worker, *this, cb_kadra_new);
    }
    const std::vector<uint16_t> law = workers_with_findings(law_);
    for (size_t i = 0; i < rows.size(); ++i) {
        const Worker& w = roster.workers[rows[i].worker];
        QListWidgetItem* item = cb_kadra_new->item(static_cast<int>(i));
        item->setText(qt_text(w.nazwisko + " " + w.imie));
        item->setData(kTemporaryRowRole, rows[i].temporary);
        item->setData(kLawFindingsRole, std::binary_search(law.begin(), law.end(), w.id));
    }
    // The rows draw the workers' tallies and norm bars, which change without the rows.
    cb_kadra_new->viewport()->update();
    return select_index(cb_kadra_new, roster.current_worker);
}

void StaffLists::watch_law(const LawWatch& law, const Locale& locale) {
    law_ = &law;
    locale_ = &locale;
}

QString StaffLists::law_hint(int worker) const {
    if (law_ == nullptr || worker < 0 || worker >= static_cast<int>(roster_.workers.size()))
        return {};
    QStringList lines;
    for (const LawFinding& f : law_->of_worker(roster_.workers[worker].id))
        lines << qt_text(law_finding_line(f, roster_, *locale_));
    return lines.join(QLatin1Char('\n'));
}

}  // namespace tabrel
