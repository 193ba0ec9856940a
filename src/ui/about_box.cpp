#include "about_box.h"

#include <QDate>
#include <QLocale>
#include <QMessageBox>

#include "i18n/text.h"
#include "qt_text.h"

namespace tabrel {

namespace {

// The compiler's build date ("Dec  7 2026") in the desktop's short date form.
QString build_date() {
    const QString text = QString::fromLatin1(__DATE__).simplified();
    const QDate date = QLocale::c().toDate(text, QStringLiteral("MMM d yyyy"));
    return date.isValid() ? QLocale::system().toString(date, QLocale::ShortFormat) : text;
}

QString about_text() {
    return qt_text(tr("msg_AboutBuilt", "Data utworzenia: ")) + build_date() + QLatin1Char('\n') +
           qt_text(tr("msg_AboutVersion", "Wersja: ")) + QStringLiteral("3.50\n") +
           qt_text(tr("msg_AboutAuthors", "Autorzy: zespół programu Tabrel")) + QLatin1Char('\n') +
           qt_text(tr("msg_AboutContact", "Kontakt: zgłoszenia w repozytorium programu"));
}

}  // namespace

void show_about_box(QWidget* parent) {
    QMessageBox::about(parent, qt_text(tr("msg_AboutTitle", "O Programie...")), about_text());
}

}  // namespace tabrel
