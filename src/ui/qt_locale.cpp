#include "qt_locale.h"

#include <QDate>
#include <QLocale>

#include "i18n/cp1250.h"

namespace tabrel {

std::string QtLocale::short_date(int year, int month, int day) const {
    const QDate date(year, month, day);
    if (!date.isValid()) return Locale::short_date(year, month, day);
    const QString text = QLocale::system().toString(date, QLocale::ShortFormat);
    // A date the files cannot store (a script outside cp1250) falls back to the Polish form.
    return utf8_to_cp1250(text.toStdString()).value_or(Locale::short_date(year, month, day));
}

char QtLocale::decimal_separator() const {
    const QString point = QLocale::system().decimalPoint();
    if (point.size() == 1 && point[0].unicode() < 0x80) return point[0].toLatin1();
    return Locale::decimal_separator();
}

}  // namespace tabrel
