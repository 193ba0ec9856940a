#include "ical_export_dialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QRadioButton>
#include <QSpinBox>
#include <chrono>

#include "app/tell_user.h"
#include "base/prompter.h"
#include "export/export_months.h"
#include "i18n/cp1250.h"
#include "i18n/text.h"
#include "model/shown_month.h"
#include "qt_text.h"
#include "storage/safe_file.h"

namespace fs = std::filesystem;

namespace tabrel {

namespace {

// More than a year ahead is rarely planned.
constexpr int kMaxMonths = 12;

QString text(std::string_view key, std::string_view polish_utf8) {
    return qt_text(tr(key, polish_utf8));
}

const Worker* selected_worker(const Roster& roster) {
    return roster.current_worker < roster.workers.size() ? &roster.workers[roster.current_worker]
                                                         : nullptr;
}

// Named after the target and the first month; ids keep the name safe whatever the names hold.
std::string file_name(IcalTarget target, const Roster& roster) {
    const YearMonth shown = shown_year_month(roster);
    char month[16];
    std::snprintf(month, sizeof month, "%04d_%02d", shown.year, shown.month);
    const char* kind = target.kind == IcalTarget::Kind::Worker ? "pracownik" : "grupa";
    return std::string("kalendarz_") + kind + "_" + std::to_string(target.id) + "_" + month +
           ".ics";
}

}  // namespace

IcalExportDialog::IcalExportDialog(const AppState& app, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("f_IcalExport"));
    setWindowTitle(text("d_IcalCaption", "Eksport do kalendarza (iCalendar)"));
    const Roster& roster = app.roster();
    const Worker* worker = selected_worker(roster);
    const Group* group = roster.current();
    rb_Worker =
        new QRadioButton(text("d_IcalWorker", "Wybrany pracownik: ") +
                             (worker ? qt_text(worker->nazwisko + " " + worker->imie) : QString()),
                         this);
    rb_Group = new QRadioButton(
        text("d_IcalGroup", "Cała grupa: ") + (group ? qt_text(group->nazwa) : QString()), this);
    if (worker) worker_id_ = worker->id;
    if (group) group_id_ = group->id;
    rb_Worker->setEnabled(worker != nullptr);
    rb_Group->setEnabled(group != nullptr);
    (worker ? rb_Worker : rb_Group)->setChecked(true);
    se_Months = new QSpinBox(this);
    se_Months->setRange(1, kMaxMonths);
    e_Folder =
        new QLineEdit(QString::fromStdString((app.folders().work / "wydruki").string()), this);
    auto* choose = new QPushButton(text("d_IcalChoose", "Wybierz..."), this);
    connect(choose, &QPushButton::clicked, this, &IcalExportDialog::choose_folder);
    auto* folder_row = new QHBoxLayout;
    folder_row->addWidget(e_Folder, 1);
    folder_row->addWidget(choose);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    buttons->button(QDialogButtonBox::Ok)->setEnabled(worker || group);
    auto* form = new QFormLayout(this);
    form->addRow(rb_Worker);
    form->addRow(rb_Group);
    form->addRow(text("d_IcalMonths", "Liczba miesięcy od bieżącego:"), se_Months);
    form->addRow(text("d_IcalFolder", "Zapisz w folderze:"), folder_row);
    form->addRow(buttons);
}

IcalTarget IcalExportDialog::target() const {
    return rb_Worker->isChecked() ? IcalTarget{IcalTarget::Kind::Worker, worker_id_}
                                  : IcalTarget{IcalTarget::Kind::Group, group_id_};
}

int IcalExportDialog::months() const {
    return se_Months->value();
}

fs::path IcalExportDialog::folder() const {
    return e_Folder->text().toStdString();
}

void IcalExportDialog::choose_folder() {
    const QString chosen = QFileDialog::getExistingDirectory(this, QString(), e_Folder->text());
    if (!chosen.isEmpty()) e_Folder->setText(chosen);
}

void run_ical_export(AppState& app, QWidget* parent) {
    const Roster& roster = app.roster();
    if (roster.month_file.empty()) {
        app.prompter().inform(tr("msg_GroupNeed", "Najpierw należy utworzyć grupę."));
        return;
    }
    IcalExportDialog dialog(app, parent);
    if (dialog.exec() != QDialog::Accepted) return;
    const YearMonth shown = shown_year_month(roster);
    const ExportMonths months = export_months(roster, shown.year, shown.month, dialog.months());
    if (!months.error.empty()) {
        app.prompter().error(months.error);
        return;
    }
    const std::chrono::sys_seconds now{std::chrono::seconds{app.clock().now()}};
    const IcalTarget target = dialog.target();
    const std::string calendar = ical_calendar(roster, app.options(), target, months.months, now);
    const fs::path path = dialog.folder() / file_name(target, roster);
    std::error_code ec;
    fs::create_directories(dialog.folder(), ec);
    if (const Status written = write_file_atomic(path, calendar); !written) {
        tell(app.prompter(), written);
        return;
    }
    app.prompter().inform(tr("msg_IcalSaved", "Kalendarz zapisano w pliku: ") +
                          utf8_to_cp1250(path.string()).value_or(path.filename().string()));
}

}  // namespace tabrel
