#include "qt_text.h"

#include "i18n/cp1250.h"

namespace tabrel {

QString qt_text(std::string_view cp1250) {
    return QString::fromStdString(cp1250_to_utf8(cp1250));
}

QString qt_message_text(std::string_view cp1250) {
    QString text = qt_text(cp1250);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

}  // namespace tabrel
