#include "basic_day_properties_dialog.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "i18n/cp1250.h"
#include "qt_text.h"

namespace tabrel {

namespace {

// The notes as stored: cp1250 with CR LF line breaks; nothing for a character cp1250 lacks.
std::optional<std::string> stored_notes(const QPlainTextEdit& notes) {
    QString text = notes.toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return utf8_to_cp1250(text.toStdString());
}

}  // namespace

bool show_day_properties(QWidget* parent, DayProperties& properties, NormStatus& status) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("Tf_DayProperties"));
    dialog.setWindowTitle(QStringLiteral("Dzień - parametry"));
    auto* counter = new QLabel(qt_text(properties.notes_counter()), &dialog);
    counter->setObjectName(QStringLiteral("l_notes"));
    auto* notes = new QPlainTextEdit(
        qt_text(properties.notes()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), &dialog);
    notes->setObjectName(QStringLiteral("m_Notes"));
    auto* reset =
        new QPushButton(QString::fromUtf8("Przywróć domyślne ustawienia święta"), &dialog);
    reset->setObjectName(QStringLiteral("b_DefaultHoliday"));
    reset->setEnabled(properties.default_holiday_enabled());
    auto* er_duty = new QCheckBox(QString::fromUtf8("Ostry dyżur"), &dialog);
    er_duty->setObjectName(QStringLiteral("cb_ERDuty"));
    er_duty->setChecked(properties.er_duty());
    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Anuluj"), QDialogButtonBox::RejectRole);

    QObject::connect(notes, &QPlainTextEdit::textChanged, &dialog, [&] {
        if (const std::optional<std::string> text = stored_notes(*notes))
            properties.set_notes(*text);
        counter->setText(qt_text(properties.notes_counter()));
    });
    QObject::connect(reset, &QPushButton::clicked, &dialog, [&] {
        properties.b_DefaultHoliday();
        reset->setEnabled(false);
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        const std::optional<std::string> text = stored_notes(*notes);
        if (!text) {
            QMessageBox::information(&dialog, QStringLiteral("Tabrel"),
                                     QString::fromUtf8("Notatka zawiera znaki, których nie można "
                                                       "zapisać."));
            return;
        }
        properties.set_notes(*text);
        properties.set_er_duty(er_duty->isChecked());
        status = properties.sb_Ok();
        dialog.accept();
    });

    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(counter);
    layout->addWidget(notes);
    layout->addWidget(reset);
    layout->addWidget(er_duty);
    layout->addWidget(buttons);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace tabrel
