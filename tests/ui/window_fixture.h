#pragma once

#include <QApplication>
#include <QDialog>
#include <QDropEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <string>

#include "app/app_state.h"
#include "drag_data.h"
#include "i18n/cp1250.h"
#include "main_window.h"
#include "program_fixture.h"
#include "support/test_support.h"

namespace tabrel::test {

inline Shift ward_shift(uint16_t start, const char* symbol) {
    Shift s;
    s.zod = start;
    s.zile = 720;
    s.zsymbol = symbol;
    s.zobsada = 1;
    s.zobsadas = 1;
    return s;
}

// Group 1 "Chirurgia": a day shift "D" 07:00-19:00 and a night shift "N" 19:00-07:00.
inline Group ward_group() {
    Group g;
    g.id = 1;
    g.nazwa = "Chirurgia";
    g.profile.shifts = {ward_shift(420, "D"), ward_shift(1140, "N")};
    g.default_profile = g.profile;
    return g;
}

inline Worker ward_worker(uint16_t id, const char* surname, const char* pseudo,
                          const char* grupy = "1|") {
    Worker w;
    w.id = id;
    w.nazwisko = cp(surname);
    w.imie = "Anna";
    w.pseudo = pseudo;
    w.grupy = grupy;
    w.kolor = rgb(200, 220, 255);
    return w;
}

// The window shown at a fixed size, switched to `month` (2..12) of `year` by the month bar.
inline void show_on_month(MainWindow& form, int year, int month) {
    form.resize(1200, 800);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) qFatal("window not shown");
    form.month_bar()->show_month({year, month - 1});
    form.month_bar()->tb_MonthNext->click();
}

// A drag of `source` over `target` at `at` that ends there; the deferred drop rules run.
inline bool drop_on(QWidget* target, QPoint at, const DropSource& source, bool ctrl) {
    const auto data = drag_data(source);
    const Qt::KeyboardModifiers keys = ctrl ? Qt::ControlModifier : Qt::NoModifier;
    QDragEnterEvent enter(at, Qt::MoveAction | Qt::CopyAction, data.get(), Qt::LeftButton, keys);
    QCoreApplication::sendEvent(target, &enter);
    QDragMoveEvent move(at, Qt::MoveAction | Qt::CopyAction, data.get(), Qt::LeftButton, keys);
    QCoreApplication::sendEvent(target, &move);
    QDropEvent drop(QPointF(at), Qt::MoveAction | Qt::CopyAction, data.get(), Qt::LeftButton, keys);
    QCoreApplication::sendEvent(target, &drop);
    QCoreApplication::processEvents();
    return move.isAccepted() && drop.isAccepted();
}

// Answers the next modal dialog once it is up: `answer` gets it and closes it.
class DialogAnswer : public QObject {
public:
    template <typename Answer>
    explicit DialogAnswer(Answer answer) {
        QObject::connect(&poll_, &QTimer::timeout, this, [this, answer] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            poll_.stop();
            answered_ = true;
            answer(dialog);
        });
        poll_.start(10);
    }
    bool answered() const { return answered_; }

private:
    QTimer poll_;
    bool answered_ = false;
};

inline void press_ok(QDialog* dialog) {
    dialog->findChild<QPushButton*>(QStringLiteral("sb_Ok"))->click();
}

inline QPoint cell(const MainWindow& form, int day, int shift_no) {
    const std::optional<QPoint> centre = form.grid()->cell_centre(day, shift_no);
    if (!centre) qFatal("day %d shift %d not on the grid", day, shift_no);
    return *centre;
}

}  // namespace tabrel::test
