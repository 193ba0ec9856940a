#include "day_off_dialog.h"

#include <algorithm>

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "editing/day_off_form.h"
#include "i18n/text.h"
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

void show_spin(QSpinBox& spin, int min, int max, int value) {
    const QSignalBlocker quiet(&spin);
    spin.setRange(min, max);
    spin.setValue(value);
}

}  // namespace

DayOffDialog::DayOffDialog(QWidget* parent)
    : QDialog(parent),
      cb_DayOffType(named(new QComboBox(this), "cb_DayOffType")),
      l_DayOffFrom(named(new QLabel(this), "l_DayOffFrom")),
      se_DayOffFrom(named(new QSpinBox(this), "se_DayOffFrom")),
      l_DayOffTo(named(new QLabel(this), "l_DayOffTo")),
      se_DayOffTo(named(new QSpinBox(this), "se_DayOffTo")),
      l_DayOffLength(
          named(new QLabel(text("l_DayOffLength", "Czas trwania urlopu [godz.]: "), this),
                "l_DayOffLength")),
      l_DayOffLengthValue(named(new QLabel(this), "l_DayOffLengthValue")) {
    QDialogButtonBox* buttons = ok_cancel_box(this);
    setObjectName(QStringLiteral("Tf_DayOffAdd"));
    setWindowTitle(text("Tf_DayOffAdd", "Dodaj/Edytuj wolne"));
    for (const DayOffChoice& choice : day_off_choices())
        cb_DayOffType->addItem(qt_text(choice.text));
    build_layout(buttons);

    connect(cb_DayOffType, &QComboBox::currentIndexChanged, this,
            &DayOffDialog::cb_DayOffType_Change);
    connect(se_DayOffFrom, &QSpinBox::valueChanged, this, &DayOffDialog::se_DayOffFromChange);
    connect(se_DayOffTo, &QSpinBox::valueChanged, this, &DayOffDialog::se_DayOffToChange);
    connect(buttons->button(QDialogButtonBox::Ok), &QPushButton::clicked, this,
            &DayOffDialog::sb_OkClick);
    connect(buttons->button(QDialogButtonBox::Cancel), &QPushButton::clicked, this,
            &QDialog::reject);
}

void DayOffDialog::build_layout(QDialogButtonBox* buttons) {
    auto* fields = new QGridLayout;
    fields->addWidget(cb_DayOffType, 0, 0, 1, 4);
    fields->addWidget(l_DayOffFrom, 1, 0);
    fields->addWidget(se_DayOffFrom, 1, 1);
    fields->addWidget(l_DayOffTo, 1, 2);
    fields->addWidget(se_DayOffTo, 1, 3);
    fields->addWidget(l_DayOffLength, 2, 0, 1, 3);
    fields->addWidget(l_DayOffLengthValue, 2, 3);

    fields->setHorizontalSpacing(12);
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(12);
    layout->addLayout(fields);
    layout->addStretch();
    layout->addWidget(buttons);
    // Room for the longest kind and for the title.
    setMinimumWidth(std::max(cb_DayOffType->sizeHint().width(),
                             fontMetrics().horizontalAdvance(windowTitle()) + 120) +
                    60);
}

void DayOffDialog::show(DayOffForm& form) {
    load(form);
    exec();
    form_ = nullptr;
}

void DayOffDialog::load(DayOffForm& form) {
    form_ = &form;
    {
        const QSignalBlocker quiet(cb_DayOffType);
        cb_DayOffType->setCurrentIndex(form.position());
    }
    mirror();
    cb_DayOffType->setFocus();
}

void DayOffDialog::mirror() {
    l_DayOffFrom->setText(qt_text(form_->from_label()));
    l_DayOffTo->setText(qt_text(form_->to_label()));
    show_spin(*se_DayOffFrom, 1, form_->first_max(), form_->first_day());
    show_spin(*se_DayOffTo, form_->second_min(), form_->second_max(), form_->second());
    l_DayOffLength->setHidden(!form_->length_visible());
    l_DayOffLengthValue->setHidden(!form_->length_visible());
    l_DayOffLengthValue->setText(qt_text(form_->length_text()));
}

void DayOffDialog::cb_DayOffType_Change(int position) {
    form_->choose_kind(position);
    mirror();
}

void DayOffDialog::se_DayOffFromChange(int day) {
    form_->set_first_day(day);
    mirror();
}

void DayOffDialog::se_DayOffToChange(int value) {
    form_->set_second(value);
    mirror();
}

void DayOffDialog::sb_OkClick() {
    if (form_->ok() == DayOffForm::Outcome::Closed) accept();
}

}  // namespace tabrel
