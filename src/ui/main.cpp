#include <QApplication>
#include <QFile>
#include <QIcon>

#include "memory_reuse.h"
#include "run_program.h"

int main(int argc, char* argv[]) {
    tabrel::keep_freed_memory();
    QApplication qapp(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Dravik"));
    QApplication::setApplicationName(QStringLiteral("Tabrel"));
    // Ties the windows to tabrel.desktop, whose icon the desktop then shows for them.
    QApplication::setDesktopFileName(QStringLiteral("tabrel"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("tabrel")));
    return tabrel::run_installed_or_portable(
        QFile::encodeName(QApplication::applicationDirPath()).toStdString());
}
