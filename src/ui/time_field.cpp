#include "time_field.h"

#include "i18n/text.h"
#include "qt_text.h"

namespace tabrel {

namespace {

constexpr int kDay = 1440;

}  // namespace

QLineEdit* time_field(const char* name, const char* mask, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setInputMask(QString::fromLatin1(mask));
    return field;
}

// A shorter text is padded with the mask's blank, which leaves the sign place empty. Qt gives
// the mask back without ";" and its blank when the blank is a space.
void show_time(QLineEdit& field, int minutes, bool wrap) {
    const QString mask = field.inputMask();
    const qsizetype end = mask.indexOf(QLatin1Char(';'));
    const qsizetype width = end < 0 ? mask.size() : end;
    const QChar blank = end < 0 ? QLatin1Char(' ') : mask.at(end + 1);
    field.setText(qt_text(min2h(minutes, "txt", wrap)).rightJustified(width, blank));
}

void show_time_text(QLineEdit& field, const QString& text) {
    const QString mask = field.inputMask();
    const qsizetype colon = mask.indexOf(QLatin1Char(':'));
    const qsizetype colon_in_text = text.indexOf(QLatin1Char(':'));
    if (colon < 0 || colon_in_text < 0) {
        field.setText(text);
        return;
    }
    const bool signed_place = mask.startsWith(QLatin1Char('#'));
    QString hours = text.left(colon_in_text).trimmed();
    const bool negative = hours.startsWith(QLatin1Char('-'));
    if (negative) hours.remove(0, 1);
    const qsizetype digits = colon - (signed_place ? 1 : 0);
    QString shown = hours.rightJustified(digits, QLatin1Char('0')) + text.mid(colon_in_text);
    if (signed_place) shown.prepend(negative ? QLatin1Char('-') : QLatin1Char(' '));
    field.setText(shown);
}

std::optional<TimeValue> read_time(const QLineEdit& field, Prompter& prompter) {
    try {
        return h2min(field.text().toStdString());
    } catch (const TimeConversionError& e) {
        prompter.error(e.what());
        return std::nullopt;
    }
}

std::optional<TimeValue> read_clock(const QLineEdit& field, Prompter& prompter) {
    const std::optional<TimeValue> time = read_time(field, prompter);
    if (time && (*time < 0 || *time > kDay)) {
        prompter.error(tr("msg_ClockOutOfDay", "Godzina musi mieścić się między 00:00 a 24:00."));
        return std::nullopt;
    }
    return time;
}

}  // namespace tabrel
