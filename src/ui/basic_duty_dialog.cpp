#include "basic_duty_dialog.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

#include "editing/duty_form.h"
#include "i18n/cp1250.h"
#include "model/time_value.h"
#include "qt_text.h"

namespace tabrel {

namespace {

const char* const kTypes[] = {"\"8\"", "Całą zmianę", "Dopracowanie", "Inny"};

void tell(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, QStringLiteral("Tabrel"), text);
}

// The typed texts into the form; false keeps the dialog open.
bool hand_over(DutyForm& form, const QComboBox& type, const QLineEdit& length,
               const QLineEdit& note, QWidget* parent) {
    const auto chosen = static_cast<DutyType>(type.currentIndex());
    if (chosen == DutyType::Other) {
        form.enter_other_length();
        try {
            form.leave_other_length(h2min(length.text().toStdString()));
        } catch (const TimeConversionError& e) {
            tell(parent, qt_text(e.what()));
            return false;
        }
    } else {
        form.choose_type(chosen);
    }
    const std::optional<std::string> text = utf8_to_cp1250(note.text().toStdString());
    if (!text) {
        tell(parent, QString::fromUtf8("Notatka zawiera znaki, których nie można zapisać."));
        return false;
    }
    form.set_note(*text);
    return form.ok() == DutyForm::Outcome::Closed;
}

}  // namespace

void BasicDutyDialog::show(DutyForm& form) {
    QDialog dialog(parent_);
    dialog.setObjectName(QStringLiteral("Tf_DutyAdd"));
    dialog.setWindowTitle(QString::fromUtf8(form.editing() ? "Edytuj dyżur" : "Dodaj dyżur"));
    auto* type = new QComboBox(&dialog);
    type->setObjectName(QStringLiteral("rg_DutyType"));
    for (const char* item : kTypes) type->addItem(QString::fromUtf8(item));
    type->setCurrentIndex(static_cast<int>(form.type().value_or(DutyType::WholeShift)));
    auto* length = new QLineEdit(qt_text(min2h(form.other_length(), "txt", false)), &dialog);
    length->setObjectName(QStringLiteral("me_Time"));
    length->setInputMask(QStringLiteral("00:00"));
    auto* note = new QLineEdit(qt_text(form.note()), &dialog);
    note->setObjectName(QStringLiteral("e_Note"));
    note->setMaxLength(static_cast<int>(kDutyNoteLength));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);

    auto* layout = new QFormLayout(&dialog);
    layout->addRow(new QLabel(qt_text(form.l_prac_idx() + ", " + form.l_DateValue()), &dialog));
    layout->addRow(QStringLiteral("Typ:"), type);
    layout->addRow(QStringLiteral("Inny:"), length);
    layout->addRow(QStringLiteral("Notatka:"), note);
    layout->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        if (hand_over(form, *type, *length, *note, &dialog)) dialog.accept();
    });
    dialog.exec();
}

}  // namespace tabrel
