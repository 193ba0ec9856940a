#include "law_view.h"

#include <QStatusBar>

#include "app/law_texts.h"
#include "i18n/format_text.h"
#include "i18n/text.h"
#include "main_actions.h"
#include "qt_text.h"

namespace tabrel {

namespace {

// Long enough to read a sentence after the drop.
constexpr int kMessageMilliseconds = 20000;

// The first finding with its worker, and how many more there are.
std::string added_text(const std::vector<LawFinding>& added, const Roster& roster,
                       const Locale& locale) {
    const LawFinding& f = added.front();
    const Worker& w = roster.workers[roster.worker_index(f.worker_id)];
    std::string text = w.nazwisko + " " + w.imie + ", " + law_finding_line(f, roster, locale);
    if (added.size() > 1)
        text +=
            format_text(tr("msg_LawMore", " (i dalsze: %s)"), {std::to_string(added.size() - 1)});
    return text;
}

}  // namespace

LawView::LawView(AppState& app, QMainWindow& window, QAction* command)
    : QObject(&window), app_(app), window_(window) {
    bind_action(command, this, [this] { open_list(); });
}

void LawView::refresh() {
    const std::vector<LawFinding> added = app_.law().refresh(app_.roster(), app_.options().law);
    if (!added.empty() && keep_drop(added)) {
        tell(added);
    } else if (!added.empty()) {
        app_.roster() = std::move(*before_drop_);
        app_.law().refresh(app_.roster(), app_.options().law);
    }
    before_drop_.reset();
    if (dialog_ && dialog_->isVisible()) dialog_->refresh();
}

void LawView::drop_starting() {
    dropping_ = true;
    if (app_.options().law.ask_after_drop) before_drop_ = app_.roster();
}

void LawView::drop_finished() {
    dropping_ = false;
    before_drop_.reset();
}

void LawView::open_list() {
    if (!dialog_) {
        dialog_ = new LawFindingsDialog(app_, &window_);
        // Queued: the list is refilled as the window shows the choice, which must not delete
        // the row while its own double-click is still being handled.
        connect(dialog_, &LawFindingsDialog::finding_chosen, this, &LawView::finding_chosen,
                Qt::QueuedConnection);
    }
    dialog_->refresh();
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
}

void LawView::tell(const std::vector<LawFinding>& added) {
    const std::string text = format_text(tabrel::tr("msg_LawAdded", "Kontrola czasu pracy: %s"),
                                         {added_text(added, app_.roster(), app_.locale())});
    window_.statusBar()->showMessage(qt_text(text), kMessageMilliseconds);
}

bool LawView::keep_drop(const std::vector<LawFinding>& added) {
    if (!dropping_ || !before_drop_) return true;
    const std::string question = format_text(
        tabrel::tr("msg_LawAskDrop", "Dyżur łamie zasady czasu pracy: %s. Zostawić go?"),
        {added_text(added, app_.roster(), app_.locale())});
    return app_.prompter().ask(question);
}

}  // namespace tabrel
