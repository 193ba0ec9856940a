#include "about_box.h"

#include <QDate>
#include <QLocale>
#include <QMessageBox>

#include "app/program_version.h"
#include "i18n/text.h"
#include "qt_text.h"

namespace tabrel {

namespace {

// The build date in the desktop's short date form.
QString build_date_text() {
    const Date built = build_date();
    return QLocale::system().toString(QDate(built.year, built.month, built.day),
                                      QLocale::ShortFormat);
}

QString about_text() {
    return qt_text(tr("msg_AboutBuilt", "Data utworzenia: ")) + build_date_text() +
           QLatin1Char('\n') + qt_text(tr("msg_AboutVersion", "Wersja: ")) +
           QString::fromStdString(program_version()) + QLatin1Char('\n') +
           qt_text(tr("msg_AboutAuthors", "Autorzy: zespół programu Tabrel")) + QLatin1Char('\n') +
           qt_text(tr("msg_AboutContact", "Kontakt: zgłoszenia w repozytorium programu"));
}

}  // namespace

void show_about_box(QWidget* parent) {
    QMessageBox::about(parent, qt_text(tr("msg_AboutTitle", "O Programie...")), about_text());
}

}  // namespace tabrel
