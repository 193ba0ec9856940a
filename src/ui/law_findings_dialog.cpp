#include "law_findings_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/law_texts.h"
#include "i18n/format_text.h"
#include "i18n/text.h"
#include "model/time_value.h"
#include "qt_text.h"
#include "worktime/law_rule_texts.h"

namespace tabrel {

namespace {

constexpr int kWorkerRole = Qt::UserRole;
constexpr int kDayRole = Qt::UserRole + 1;

QString text(std::string_view key, std::string_view polish_utf8) {
    return qt_text(tr(key, polish_utf8));
}

QStringList column_titles() {
    return {text("d_LawWorker", "Pracownik"),
            text("d_LawFrom", "Od"),
            text("d_LawTo", "Do"),
            text("d_LawRule", "Zasada"),
            text("d_LawFound", "Stwierdzono"),
            text("d_LawLimit", "Limit"),
            text("d_LawText", "Opis")};
}

QString hours(int minutes) {
    return qt_text(min2h(minutes, "txt", false));
}

}  // namespace

LawFindingsDialog::LawFindingsDialog(const AppState& app, QWidget* parent)
    : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("f_LawCheck"));
    l_LawSummary = new QLabel(this);
    l_LawSummary->setObjectName(QStringLiteral("l_LawSummary"));
    l_LawSummary->setWordWrap(true);
    lv_LawFindings = new QTreeWidget(this);
    lv_LawFindings->setObjectName(QStringLiteral("lv_LawFindings"));
    lv_LawFindings->setRootIsDecorated(false);
    lv_LawFindings->setAlternatingRowColors(true);
    lv_LawFindings->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("sb_LawClose"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(l_LawSummary);
    layout->addWidget(lv_LawFindings);
    layout->addWidget(buttons);
    resize(900, 420);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(lv_LawFindings, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        emit finding_chosen(item->data(0, kWorkerRole).toInt(), item->data(0, kDayRole).toInt());
    });
}

void LawFindingsDialog::refresh() {
    setWindowTitle(text("d_LawCaption", "Kontrola czasu pracy"));
    findChild<QPushButton*>(QStringLiteral("sb_LawClose"))->setText(text("d_LawClose", "Zamknij"));
    lv_LawFindings->setHeaderLabels(column_titles());
    lv_LawFindings->clear();
    const Roster& roster = app_.roster();
    const Group* group = roster.current();
    const Locale& locale = app_.locale();
    int count = 0;
    for (const LawFinding& f : app_.law().findings()) {
        const int w = roster.worker_index(f.worker_id);
        if (!group || w < 0 || !belongs_to(roster.workers[w], group->id)) continue;
        const Worker& worker = roster.workers[w];
        auto* item =
            new QTreeWidgetItem(lv_LawFindings, {qt_text(worker.nazwisko + " " + worker.imie),
                                                 qt_text(law_moment_text(roster, locale, f.start)),
                                                 qt_text(law_moment_text(roster, locale, f.end)),
                                                 qt_text(law_rule_title(f.rule)), hours(f.found),
                                                 hours(f.limit), qt_text(law_finding_text(f))});
        item->setToolTip(6, item->text(6));
        item->setData(0, kWorkerRole, w);
        item->setData(0, kDayRole, law_finding_day(f, roster.month_days()) + 1);
        if (!f.notice) item->setForeground(3, QColor(200, 0, 0));
        ++count;
    }
    for (int c = 0; c < lv_LawFindings->columnCount() - 1; ++c)
        lv_LawFindings->resizeColumnToContents(c);
    const std::string name = group ? group->nazwa : std::string();
    std::string summary =
        count == 0
            ? format_text(tabrel::tr("d_LawNone", "Plan grupy %s nie łamie sprawdzanych zasad."),
                          {name})
            : format_text(tabrel::tr("d_LawCount", "Naruszenia i ostrzeżenia w grupie %s: %s"),
                          {name, std::to_string(count)});
    if (!app_.law().error().empty()) summary += "\n" + app_.law().error();
    l_LawSummary->setText(qt_text(summary));
}

}  // namespace tabrel
