#include "field_caption.h"

namespace tabrel {

QLabel* field_caption(const QWidget* field, const char* text_utf8) {
    auto* label = new QLabel(QString::fromUtf8(text_utf8));
    const QString name = field->objectName();
    const QString role = name.mid(name.indexOf(QLatin1Char('_')) + 1);
    // A field that is itself a label keeps its name; its caption is told apart by a suffix.
    label->setObjectName(name.startsWith(QStringLiteral("l_")) ? name + QStringLiteral("Caption")
                                                               : QStringLiteral("l_") + role);
    return label;
}

}  // namespace tabrel
