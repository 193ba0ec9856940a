#include "about_box.h"

#include <QDate>
#include <QLocale>
#include <QMessageBox>

#include "app/program_version.h"

namespace tabrel {

namespace {

// The build date in the desktop's short date form.
QString build_date_text() {
    const Date built = build_date();
    return QLocale::system().toString(QDate(built.year, built.month, built.day),
                                      QLocale::ShortFormat);
}

QString about_text() {
    return QStringLiteral("Data utworzenia: ") + build_date_text() + QStringLiteral("\nWersja: ") +
           QString::fromStdString(program_version()) +
           QString::fromUtf8(
               "\nAutorzy: zespół programu Tabrel"
               "\nKontakt: zgłoszenia w repozytorium programu");
}

}  // namespace

void show_about_box(QWidget* parent) {
    QMessageBox::about(parent, QStringLiteral("O Programie..."), about_text());
}

}  // namespace tabrel
