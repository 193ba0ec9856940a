#include "worker_boxes.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRegularExpression>
#include <QVBoxLayout>

#include "language_applier.h"
#include "qt_text.h"
#include "worktime/norm_box.h"
#include "worktime/summary_boxes.h"

namespace tabrel {

namespace {

QGroupBox* box(const char* name, const char* title, QWidget* parent) {
    auto* group = new QGroupBox(QString::fromUtf8(title), parent);
    group->setObjectName(QString::fromLatin1(name));
    new QFormLayout(group);
    return group;
}

// A value label with its caption in a box; the hint, when given, covers both.
QLabel* value(QGroupBox* group, const char* name, const char* caption, const char* hint = "") {
    auto* label = new QLabel(QStringLiteral("0"), group);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* title = new QLabel(QString::fromUtf8(caption), group);
    title->setObjectName(QString::fromLatin1(name) + QStringLiteral("Caption"));
    if (*hint) {
        label->setToolTip(QString::fromUtf8(hint));
        title->setToolTip(label->toolTip());
    }
    static_cast<QFormLayout*>(group->layout())->addRow(title, label);
    return label;
}

}  // namespace

WorkerBoxes::WorkerBoxes(QWidget* parent) : QWidget(parent) {
    st_Workers = new QLabel(this);
    st_Workers->setObjectName(QStringLiteral("st_Workers"));
    // Its language-file text is the caption the worker's name follows, looked up when shown.
    st_Workers->setProperty(kTagProperty, kSkippedTag);
    QGroupBox* norm = box("gb_WorkerNorma", "Normatyw pracownika ", this);
    l_wnq_Norma = value(norm, "l_wnq_Norma", "Normatyw: ");
    l_wnq_NormaUsed = value(norm, "l_wnq_NormaUsed", "Wykorzystany: ");
    l_wnq_NormaUnused = value(norm, "l_wnq_NormaUnused", "Pozostaje: ");
    l_wnq_Overtime = value(norm, "l_wnq_Overtime", "Nadgodziny: ");
    l_wnq_PreviousPeriod = value(norm, "l_wnq_PreviousPeriod", "Poprzedni okres: ");
    QGroupBox* hours = box("gb_DutyQuantity", "Godziny ", this);
    l_dq_Days = value(hours, "l_dq_Days", "Dzienne: ");
    l_dq_Nights = value(hours, "l_dq_Nights", "Nocne: ");
    l_dq_Holidays = value(hours, "l_dq_Holidays", "Świąteczne: ");
    l_dq_Total = value(hours, "l_dq_Total", "Razem: ", "Suma [D + N + S]");
    QGroupBox* leave = box("gb_LeaveQuantity", "Wolne ", this);
    l_lq_HolidayUnused = value(leave, "l_lq_HolidayUnused", "Pozostaje urlopu: ");
    l_lq_CareDaysUnused = value(leave, "l_lq_CareDaysUnused", "Pozostaje dni opieki: ");
    l_lq_RehaHolidayUnused = value(leave, "l_lq_RehaHolidayUnused", "Pozostaje urlopu reh.: ");
    l_lq_Total =
        value(leave, "l_lq_Total", "Razem: ", "Liczba godzin wolnego  w bieżącym miesiącu");

    auto* boxes = new QHBoxLayout;
    boxes->addWidget(norm);
    boxes->addWidget(hours);
    boxes->addWidget(leave);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(st_Workers);
    layout->addLayout(boxes);
    show_worker(nullptr);
}

void WorkerBoxes::show_worker(const Worker* worker) {
    if (!worker) {
        st_Workers->setText(qt_text(worker_title(nullptr)));
        for (QLabel* label :
             findChildren<QLabel*>(QRegularExpression(QStringLiteral("^l_(?!.*Caption$)"))))
            label->setText(QStringLiteral("0"));
        return;
    }
    st_Workers->setText(qt_text(worker_title(worker)));
    const SummaryBoxes boxes = summary_boxes(*worker);
    l_wnq_Norma->setText(qt_text(boxes.norm.norm));
    l_wnq_NormaUsed->setText(qt_text(boxes.norm.used));
    l_wnq_NormaUnused->setText(qt_text(boxes.norm.unused));
    l_wnq_Overtime->setText(qt_text(boxes.norm.overtime));
    l_wnq_PreviousPeriod->setText(qt_text(boxes.norm.previous_period));
    l_dq_Days->setText(qt_text(boxes.days));
    l_dq_Nights->setText(qt_text(boxes.nights));
    l_dq_Holidays->setText(qt_text(boxes.holidays));
    l_dq_Total->setText(qt_text(boxes.total));
    l_lq_HolidayUnused->setText(qt_text(boxes.leave_unused));
    l_lq_CareDaysUnused->setText(qt_text(boxes.care_days_unused));
    l_lq_RehaHolidayUnused->setText(qt_text(boxes.reha_days_unused));
    l_lq_Total->setText(qt_text(boxes.leave_toward_norm));
}

}  // namespace tabrel
