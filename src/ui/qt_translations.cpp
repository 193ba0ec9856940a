#include "qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tabrel {

void use_qt_translations(std::string_view language_name) {
    static QTranslator* translator = nullptr;
    if (translator) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
        translator = nullptr;
    }
    if (language_name != "polski") return;
    auto* polish = new QTranslator(QCoreApplication::instance());
    if (polish->load(QStringLiteral("qtbase_pl"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(polish)) {
        translator = polish;
    } else {
        delete polish;
    }
}

}  // namespace tabrel
