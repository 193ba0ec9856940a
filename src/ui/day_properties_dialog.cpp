#include "day_properties_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "duty_axis.h"
#include "duty_row_delegate.h"
#include "i18n/text.h"
#include "notes_edit.h"
#include "ok_cancel_box.h"
#include "qt_text.h"

namespace tabrel {

namespace {

QString text(std::string_view key, std::string_view polish) {
    return qt_text(tr(key, polish));
}

template <typename W>
W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

}  // namespace

DayPropertiesDialog::DayPropertiesDialog(DayProperties& properties, const Roster& roster,
                                         Prompter& prompter, QWidget* parent)
    : QDialog(parent),
      tabs(named(new QTabWidget(this), "pc_DayProperties")),
      lb_day(named(new QListWidget(this), "lb_day")),
      pb_tit(new DutyAxis(roster, lb_day, this)),
      pm_Duty(named(new QMenu(this), "pm_Duty")),
      mi_DutyDelete(
          named(new QAction(text("mi_DutyDelete", "Usuń dyżur..."), this), "mi_DutyDelete")),
      l_notes(named(new QLabel(this), "l_notes")),
      m_Notes(named(new NotesEdit(kDayNotesLength, prompter, this), "m_Notes")),
      b_DefaultHoliday(named(
          new QPushButton(text("b_DefaultHoliday", "Przywróć domyślne ustawienia święta"), this),
          "b_DefaultHoliday")),
      cb_ERDuty(named(new QCheckBox(text("cb_ERDuty", "Ostry dyżur"), this), "cb_ERDuty")),
      properties_(properties) {
    QDialogButtonBox* buttons = ok_cancel_box(this);
    setObjectName(QStringLiteral("Tf_DayProperties"));
    setWindowTitle(text("Tf_DayProperties", "Dzień - parametry"));
    lb_day->setItemDelegate(new DutyRowDelegate(roster, properties_, lb_day));
    lb_day->setUniformItemSizes(true);
    lb_day->setContextMenuPolicy(Qt::CustomContextMenu);
    pm_Duty->addAction(mi_DutyDelete);
    tabs->addTab(duties_page(), text("ts_Duties", "Dyżury"));
    tabs->addTab(other_page(), text("ts_Other", "Inne"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
    resize(640, 360);

    m_Notes->set_stored(properties_.notes());
    l_notes->setText(qt_text(properties_.notes_counter()));
    cb_ERDuty->setChecked(properties_.er_duty());
    b_DefaultHoliday->setEnabled(properties_.default_holiday_enabled());
    fill_duty_list();

    connect(lb_day, &QListWidget::currentRowChanged, this, &DayPropertiesDialog::lb_dayRowChanged);
    connect(lb_day, &QWidget::customContextMenuRequested, this,
            &DayPropertiesDialog::lb_dayContextMenu);
    connect(mi_DutyDelete, &QAction::triggered, this, &DayPropertiesDialog::delete_selected_duty);
    connect(m_Notes, &NotesEdit::stored_changed, this, &DayPropertiesDialog::m_NotesChange);
    connect(b_DefaultHoliday, &QPushButton::clicked, this,
            &DayPropertiesDialog::b_DefaultHolidayClick);
    connect(buttons->button(QDialogButtonBox::Ok), &QPushButton::clicked, this,
            &DayPropertiesDialog::sb_OkClick);
    connect(buttons->button(QDialogButtonBox::Cancel), &QPushButton::clicked, this,
            &QDialog::reject);
}

QWidget* DayPropertiesDialog::duties_page() {
    auto* page = new QWidget(tabs);
    auto* layout = new QVBoxLayout(page);
    layout->setSpacing(0);
    layout->addWidget(pb_tit);
    layout->addWidget(lb_day, 1);
    return page;
}

QWidget* DayPropertiesDialog::other_page() {
    auto* page = new QWidget(tabs);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(l_notes);
    layout->addWidget(m_Notes, 1);
    layout->addWidget(b_DefaultHoliday, 0, Qt::AlignLeft);
    layout->addWidget(cb_ERDuty);
    return page;
}

// One empty row per duty; the delegate draws it from the day's duty list.
void DayPropertiesDialog::fill_duty_list() {
    lb_day->clear();
    for (size_t i = 0; i < properties_.duties().size(); ++i) lb_day->addItem(QString());
    lb_dayRowChanged(lb_day->currentRow());
}

void DayPropertiesDialog::lb_dayRowChanged(int row) {
    lb_day->setToolTip(qt_text(properties_.hint(row)));
    mi_DutyDelete->setEnabled(row >= 0);
}

void DayPropertiesDialog::lb_dayContextMenu(const QPoint& at) {
    const QModelIndex index = lb_day->indexAt(at);
    if (index.isValid()) lb_day->setCurrentRow(index.row());
    pm_Duty->popup(lb_day->viewport()->mapToGlobal(at));
}

void DayPropertiesDialog::delete_selected_duty() {
    properties_.delete_duty(lb_day->currentRow());
    fill_duty_list();
}

void DayPropertiesDialog::m_NotesChange() {
    properties_.set_notes(m_Notes->stored());
    l_notes->setText(qt_text(properties_.notes_counter()));
}

void DayPropertiesDialog::b_DefaultHolidayClick() {
    properties_.restore_default_holiday();
    b_DefaultHoliday->setEnabled(properties_.default_holiday_enabled());
}

void DayPropertiesDialog::sb_OkClick() {
    properties_.set_notes(m_Notes->stored());
    properties_.set_er_duty(cb_ERDuty->isChecked());
    status_ = properties_.apply();
    accept();
}

}  // namespace tabrel
