#include "restore_menu.h"

#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QStringList>

#include "app/restore_commands.h"
#include "archive_progress.h"
#include "i18n/text.h"
#include "main_window.h"
#include "qt_text.h"
#include "storage/restore_archive.h"

namespace tabrel {

namespace {

void enable_restore_commands(const MainActions& actions, Roster& roster) {
    const RestoreMenuState state = restore_menu_state(roster);
    actions.a_RestoreMonth->setEnabled(state.month);
    actions.a_RestoreWorkers->setEnabled(state.workers);
}

void show_restored(MainWindow& form, const RestoreResult& result) {
    if (result.outcome != RestoreOutcome::Restored) return;
    form.month_bar()->show_norm(result.norm);
    form.history()->forget();
    form.refresh_groups();
}

void choose_archive(MainWindow& form, AppState& app) {
    const std::string folder = backup_folder(app.data_folder()).string();
    const QString chosen = QFileDialog::getOpenFileName(
        &form, qt_text(tr("d_BackupOpen", "Restore...")), QString::fromStdString(folder),
        file_dialog_filter(qt_text(tr("d_BackupFilter", "Backup file (*.bak)|*.bak"))));
    if (chosen.isEmpty()) return;
    ArchiveProgressDialog progress(&form, chosen);
    restore_archive_file(app, QFile::encodeName(chosen).toStdString(), progress.callback());
}

}  // namespace

QString file_dialog_filter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString masks = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << (description.contains(QLatin1Char('('))
                        ? description
                        : description + QStringLiteral(" (") + masks + QLatin1Char(')'));
    }
    return filters.isEmpty() ? filter : filters.join(QStringLiteral(";;"));
}

void bind_restore_menu(MainWindow& form, AppState& app) {
    const MainActions& actions = form.actions();
    if (auto* menu = form.findChild<QMenu*>(QStringLiteral("mi_Restore")))
        QObject::connect(menu, &QMenu::aboutToShow, &form,
                         [&actions, &app] { enable_restore_commands(actions, app.roster()); });
    bind_action(actions.a_RestoreMonth, &form,
                [&form, &app] { show_restored(form, restore_month(app)); });
    bind_action(actions.a_RestoreWorkers, &form,
                [&form, &app] { show_restored(form, restore_workers(app)); });
    bind_action(actions.mi_RestoreUserFiles, &form, [&form, &app] { choose_archive(form, app); });
    // Enabled by the menu's opening, once a month is shown.
    actions.a_RestoreMonth->setEnabled(false);
    actions.a_RestoreWorkers->setEnabled(false);
}

}  // namespace tabrel
