#include "basic_day_off_dialog.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>

#include "editing/day_off_form.h"
#include "qt_text.h"

namespace tabrel {

namespace {

// The second field follows the kind: the last day, or the shift of "Bez dyżuru".
void show_second(const DayOffForm& form, QLabel& label, QSpinBox& second) {
    const QSignalBlocker quiet(&second);
    label.setText(qt_text(form.to_label()));
    second.setRange(form.second_min(), form.second_max());
    second.setValue(form.second());
}

}  // namespace

void BasicDayOffDialog::show(DayOffForm& form) {
    QDialog dialog(parent_);
    dialog.setObjectName(QStringLiteral("Tf_DayOffAdd"));
    dialog.setWindowTitle(QStringLiteral("Dodaj wolne"));
    auto* kind = new QComboBox(&dialog);
    kind->setObjectName(QStringLiteral("cb_DayOffType"));
    for (const DayOffChoice& choice : day_off_choices()) kind->addItem(qt_text(choice.text));
    kind->setCurrentIndex(form.position());
    auto* to_label = new QLabel(&dialog);
    auto* second = new QSpinBox(&dialog);
    second->setObjectName(QStringLiteral("se_DayOffTo"));
    auto* length = new QLabel(&dialog);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);

    auto refresh = [&] {
        show_second(form, *to_label, *second);
        length->setText(qt_text(form.length_text()));
    };
    refresh();
    QObject::connect(kind, &QComboBox::currentIndexChanged, &dialog, [&](int position) {
        form.choose_kind(position);
        refresh();
    });
    QObject::connect(second, &QSpinBox::valueChanged, &dialog, [&](int value) {
        form.set_second(value);
        refresh();
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        if (form.ok() == DayOffForm::Outcome::Closed) dialog.accept();
    });

    auto* layout = new QFormLayout(&dialog);
    layout->addRow(qt_text(form.from_label()), new QLabel(QString::number(form.first_day())));
    layout->addRow(QStringLiteral("Rodzaj:"), kind);
    layout->addRow(to_label, second);
    layout->addRow(QString::fromUtf8("Wartość:"), length);
    layout->addRow(buttons);
    dialog.exec();
}

}  // namespace tabrel
