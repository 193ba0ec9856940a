#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <functional>
#include <vector>

namespace tabrel::test {

// Plays what a person does in the running program, one step after another, on the program's
// own event loop: each step waits until it can be done (its window is up, say), then does it.
// Steps run queued, so a step that opens a modal dialog does not keep the next one from
// answering it. A step that cannot be done in time, a failed check inside a step, or a program
// that does not end after the last step makes the user give up: open dialogs are closed and the
// event loops quit, so the test fails with a message instead of hanging.
class ScriptedUser {
public:
    explicit ScriptedUser(std::chrono::milliseconds patience = std::chrono::seconds(30))
        : patience_(patience) {
        QObject::connect(&poll_, &QTimer::timeout, &poll_, [this] { tick(); });
    }
    // `ready` is asked again and again until it holds; then `act` runs once.
    void then(QString what, std::function<bool()> ready, std::function<void()> act) {
        steps_.push_back({std::move(what), std::move(ready), std::move(act)});
    }

    // Runs `program` (its event loop) with the steps played on it; returns what it returned.
    int play(const std::function<int()>& program) {
        next_ = 0;
        acting_ = false;
        failure_.clear();
        waiting_.start();
        poll_.start(10);
        const int code = program();
        poll_.stop();
        return code;
    }

    // Every step was done and nothing failed.
    bool succeeded() const {
        return failure_.isEmpty() && next_ == steps_.size() && !QTest::currentTestFailed();
    }
    const QString& failure() const { return failure_; }

private:
    struct Step {
        QString what;
        std::function<bool()> ready;
        std::function<void()> act;
    };

    void tick() {
        if (!failure_.isEmpty()) return give_up();
        if (QTest::currentTestFailed()) return fail(QStringLiteral("a check failed"));
        if (acting_) return;
        if (waiting_.elapsed() > patience_.count()) return fail(QStringLiteral("no progress"));
        if (next_ == steps_.size() || !steps_[next_].ready()) return;
        acting_ = true;
        // Queued: the act may open a modal dialog, whose own loop keeps this poll running.
        QTimer::singleShot(0, &poll_, [this, step = next_] {
            acting_ = false;
            ++next_;
            waiting_.start();
            steps_[step].act();
        });
    }

    void fail(const QString& why) {
        const QString step =
            next_ < steps_.size() ? steps_[next_].what : QStringLiteral("the program to end");
        failure_ = why + QStringLiteral(" waiting for: ") + step + on_screen();
    }

    // What the person would see in the way: the title and text of the modal window.
    static QString on_screen() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return {};
        QString seen = QStringLiteral(" (on screen: ") + modal->windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            seen += QStringLiteral(": ") + box->text();
        return seen + QLatin1Char(')');
    }

    // One dialog closed per tick, then every event loop quits; the program's code after a
    // closed dialog may open another, which the next tick closes in turn.
    void give_up() {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
            return;
        }
        QCoreApplication::exit(1);
    }

    std::chrono::milliseconds patience_;
    std::vector<Step> steps_;
    size_t next_ = 0;
    bool acting_ = false;
    QString failure_;
    QElapsedTimer waiting_;
    QTimer poll_;
};

}  // namespace tabrel::test
