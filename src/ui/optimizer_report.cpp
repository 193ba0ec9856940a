#include "optimizer_report.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>

#include "app/law_texts.h"
#include "i18n/format_text.h"
#include "i18n/text.h"
#include "model/shown_month.h"
#include "model/time_value.h"
#include "qt_text.h"
#include "worktime/law_findings.h"

namespace tabrel {

namespace {

QString text(std::string_view key, std::string_view polish_utf8) {
    return qt_text(tabrel::tr(key, polish_utf8));
}

std::string seconds_text(double seconds, const Locale& locale) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", seconds);
    std::string s = buffer;
    for (char& c : s)
        if (c == '.') c = locale.decimal_separator();
    return s;
}

std::string status_text(const OptimalPlan& plan, const Locale& locale) {
    std::string ending;
    if (plan.status == "optimal")
        ending = tabrel::tr("d_OptStatusOptimal", "Znaleziono plan optymalny.");
    else if (plan.status == "stopped")
        ending = tabrel::tr("d_OptStatusStopped",
                            "Szukanie przerwano; wpisano najlepszy znaleziony plan.");
    else
        ending =
            tabrel::tr("d_OptStatusTimeLimit", "Czas minął; wpisano najlepszy znaleziony plan.");
    return ending + " " +
           format_text(tabrel::tr("d_OptStatusTime", "Czas szukania: %s s."),
                       {seconds_text(plan.seconds, locale)}) +
           " " +
           format_text(tabrel::tr("d_OptStatusShortfall", "Niedobór obsady razem: %s godz."),
                       {min2h(plan.shortfall_minutes, "txt", false)});
}

std::string shortfall_text(const OptimalPlan& plan, const Roster& roster, const Locale& locale) {
    if (plan.shortfall.empty()) return tabrel::tr("d_OptNoShortfall", "Brak niedoborów obsady");
    const Group& group = *roster.current();
    const YearMonth month = shown_year_month(roster);
    std::string lines;
    for (const ShortfallLine& s : plan.shortfall) {
        const bool known = s.shift >= 1 && s.shift <= static_cast<int>(group.profile.shifts.size());
        const std::string shift =
            known ? group.profile.shifts[s.shift - 1].zsymbol : std::to_string(s.shift);
        if (!lines.empty()) lines += "\n";
        lines +=
            format_text(tabrel::tr("d_OptShortfallLine", "%s, zmiana %s: brak %s os. (%s godz.)"),
                        {locale.short_date(month.year, month.month, s.day), shift,
                         std::to_string(s.heads), min2h(s.minutes, "txt", false)});
    }
    return lines;
}

std::string worker_name(const Roster& roster, int worker_id) {
    const int w = roster.worker_index(static_cast<uint16_t>(worker_id));
    if (w < 0) return std::to_string(worker_id);
    return roster.workers[w].nazwisko + " " + roster.workers[w].imie;
}

// Signed, so that over and under the norm read apart at a glance.
QString deviation_text(long minutes) {
    return qt_text((minutes > 0 ? "+" : "") + min2h(minutes, "txt", false));
}

void fill_workers(QTableWidget* table, const OptimalPlan& plan, const Roster& roster) {
    table->setColumnCount(4);
    table->setHorizontalHeaderLabels(
        {text("d_OptWorker", "Pracownik"), text("d_OptNorm", "Odchylenie od normy"),
         text("d_OptNights", "Noce"), text("d_OptWeekends", "Soboty, niedziele, święta")});
    std::vector<int> ids;
    for (const NormDeviation& n : plan.norms) ids.push_back(n.worker);
    for (const DutyShares& s : plan.shares)
        if (std::find(ids.begin(), ids.end(), s.worker) == ids.end()) ids.push_back(s.worker);
    table->setRowCount(static_cast<int>(ids.size()));
    for (int row = 0; row < static_cast<int>(ids.size()); ++row) {
        const int id = ids[row];
        const auto norm = std::find_if(plan.norms.begin(), plan.norms.end(),
                                       [id](const NormDeviation& n) { return n.worker == id; });
        const auto share = std::find_if(plan.shares.begin(), plan.shares.end(),
                                        [id](const DutyShares& s) { return s.worker == id; });
        const QString cells[] = {
            qt_text(worker_name(roster, id)),
            norm == plan.norms.end() ? QString() : deviation_text(norm->minutes),
            share == plan.shares.end() ? QString() : QString::number(share->nights),
            share == plan.shares.end() ? QString() : QString::number(share->weekend_days)};
        for (int column = 0; column < 4; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (column > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(row, column, item);
        }
    }
    table->resizeColumnsToContents();
}

std::string law_text(const Roster& roster, const Options& options, const Locale& locale) {
    const LawNeighbours neighbours = shown_month_neighbours(roster);
    std::string lines;
    for (const LawFinding& f :
         law_findings(roster, neighbours, options.law, roster.current()->id)) {
        if (!lines.empty()) lines += "\n";
        lines += worker_name(roster, f.worker_id) + ", " + law_finding_line(f, roster, locale);
    }
    if (lines.empty()) lines = tabrel::tr("d_OptNoFindings", "Brak naruszeń");
    if (!neighbours.error.empty()) lines += "\n" + neighbours.error;
    return lines;
}

QPlainTextEdit* read_only_text(QWidget* parent, const char* name, const std::string& cp1250) {
    auto* edit = new QPlainTextEdit(qt_text(cp1250), parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setReadOnly(true);
    return edit;
}

QGroupBox* section(QWidget* parent, const QString& title, QWidget* content) {
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(content);
    return box;
}

}  // namespace

OptimizerReport::OptimizerReport(const OptimalPlan& plan, const Roster& roster,
                                 const Options& options, const Locale& locale, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("optimizer_report"));
    setWindowTitle(text("d_OptReportCaption", "Raport optymalnego rozpisania"));
    auto* status = new QLabel(qt_text(status_text(plan, locale)), this);
    status->setObjectName(QStringLiteral("l_OptStatus"));
    status->setWordWrap(true);
    auto* shortfall = read_only_text(this, "te_OptShortfall", shortfall_text(plan, roster, locale));
    auto* workers = new QTableWidget(this);
    workers->setObjectName(QStringLiteral("tw_OptWorkers"));
    workers->setEditTriggers(QAbstractItemView::NoEditTriggers);
    workers->verticalHeader()->hide();
    workers->setAlternatingRowColors(true);
    workers->horizontalHeader()->setStretchLastSection(true);
    fill_workers(workers, plan, roster);
    auto* law = read_only_text(this, "te_OptLaw", law_text(roster, options, locale));
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close =
        buttons->addButton(text("d_OptClose", "Zamknij"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("b_OptClose"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(status);
    layout->addWidget(section(this, text("d_OptShortfallTitle", "Niedobór obsady"), shortfall), 1);
    layout->addWidget(section(this, text("d_OptWorkersTitle", "Pracownicy"), workers), 3);
    layout->addWidget(section(this, text("d_OptLawTitle", "Kontrola czasu pracy"), law), 1);
    layout->addWidget(buttons);
    resize(760, 680);
}

}  // namespace tabrel
