#include "optimizer_search.h"

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <exception>
#include <optional>
#include <thread>

#include "i18n/format_text.h"
#include "i18n/text.h"
#include "model/time_value.h"
#include "qt_text.h"

namespace tabrel {

namespace {

constexpr int kTickMilliseconds = 200;
constexpr int kBarStepsPerSecond = 10;

// Closing the dialog or pressing Escape stops the search as "Przerwij" does; the dialog stays
// up until the search has ended, so the window takes no input while it runs.
class SearchDialog : public QProgressDialog {
public:
    explicit SearchDialog(QWidget* parent) : QProgressDialog(parent) {}
    void reject() override { emit canceled(); }

protected:
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        emit canceled();
    }
};

// What the dialog shows: the time against the limit, the best plan's shortfall, and that the
// search is being stopped.
struct SearchView {
    QElapsedTimer clock;
    int limit_seconds = 0;
    std::optional<long> shortfall;  // none before the first plan
    bool stopping = false;

    QString text() const {
        std::string lines =
            format_text(tabrel::tr("d_OptElapsed", "Upłynęło %s s z %s s."),
                        {std::to_string(clock.elapsed() / 1000), std::to_string(limit_seconds)});
        lines += "\n";
        lines += shortfall ? format_text(tabrel::tr("d_OptShortfall",
                                                    "Niedobór obsady najlepszego planu: %s godz."),
                                         {min2h(*shortfall, "txt", false)})
                           : tabrel::tr("d_OptSearching", "Szukam pierwszego planu...");
        if (stopping)
            lines += "\n" + tabrel::tr("d_OptStopping", "Przerywam, zostaje najlepszy plan...");
        return qt_text(lines);
    }
    int bar_value() const {
        return static_cast<int>(std::min<qint64>(clock.elapsed() * kBarStepsPerSecond / 1000,
                                                 qint64{limit_seconds} * kBarStepsPerSecond));
    }
};

}  // namespace

OptimalPlan search_optimal_plan(const Roster& roster, const Options& options,
                                const OptimizerSettings& settings, QWidget* parent) {
    SearchDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("optimizer_progress"));
    dialog.setWindowTitle(qt_text(tabrel::tr("d_OptCaption", "Optymalne rozpisanie dyżurów")));
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setAutoReset(false);
    dialog.setAutoClose(false);
    dialog.setMinimumWidth(440);
    // The bar is set directly: the dialog's own setValue would run the event loop re-entrantly.
    auto* bar = new QProgressBar(&dialog);
    bar->setRange(0, std::max(1, settings.seconds) * kBarStepsPerSecond);
    bar->setTextVisible(false);
    dialog.setBar(bar);
    auto* stop_button = new QPushButton(qt_text(tabrel::tr("d_OptStop", "Przerwij")), &dialog);
    stop_button->setObjectName(QStringLiteral("b_OptStop"));
    dialog.setCancelButton(stop_button);
    QObject::disconnect(&dialog, &QProgressDialog::canceled, &dialog, &QProgressDialog::cancel);

    SearchView view;
    view.limit_seconds = settings.seconds;
    view.clock.start();
    const auto show = [&] {
        bar->setValue(view.bar_value());
        dialog.setLabelText(view.text());
    };
    std::atomic<bool> stop{false};
    QObject::connect(&dialog, &QProgressDialog::canceled, &dialog, [&] {
        stop = true;
        view.stopping = true;
        stop_button->setEnabled(false);
        show();
    });
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &dialog, show);
    tick.start(kTickMilliseconds);

    // The search reads copies, so nothing the window does while it waits can reach it.
    const Roster read_roster = roster;
    const Options read_options = options;
    const OptimizerProgressFn progress = [&](const OptimizerProgress& p) {
        QMetaObject::invokeMethod(
            &dialog,
            [&, minutes = p.shortfall_minutes] {
                view.shortfall = minutes;
                show();
            },
            Qt::QueuedConnection);
        return !stop;
    };
    OptimalPlan plan;
    std::exception_ptr failure;
    std::thread search([&] {
        try {
            plan = plan_optimally(read_roster, read_options, settings, progress);
        } catch (...) {
            failure = std::current_exception();
        }
        QMetaObject::invokeMethod(
            &dialog, [&dialog] { dialog.done(QDialog::Accepted); }, Qt::QueuedConnection);
    });
    show();
    dialog.exec();
    search.join();
    if (failure) std::rethrow_exception(failure);
    return plan;
}

}  // namespace tabrel
