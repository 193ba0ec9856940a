#include "about_box.h"

#include <QDate>
#include <QLocale>
#include <QMessageBox>

namespace tabrel {

namespace {

// The compiler's build date ("Dec  7 2026") in the desktop's short date form.
QString build_date() {
    const QString text = QString::fromLatin1(__DATE__).simplified();
    const QDate date = QLocale::c().toDate(text, QStringLiteral("MMM d yyyy"));
    return date.isValid() ? QLocale::system().toString(date, QLocale::ShortFormat) : text;
}

QString about_text() {
    return QStringLiteral("Data utworzenia: ") + build_date() + QStringLiteral("\nWersja: 3.50") +
           QString::fromUtf8(
               "\nAutorzy: zespół programu Tabrel"
               "\nKontakt: zgłoszenia w repozytorium programu");
}

}  // namespace

void show_about_box(QWidget* parent) {
    QMessageBox::about(parent, QStringLiteral("O Programie..."), about_text());
}

}  // namespace tabrel
