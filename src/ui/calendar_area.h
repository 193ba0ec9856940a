#pragma once

#include <QFrame>
#include <QLabel>
#include <QWidget>

namespace tabrel {

// The centre of the main window: the month calendar, or, while there is nothing to plan, the
// guidance label in its place.
class CalendarArea : public QWidget {
    Q_OBJECT
public:
    explicit CalendarArea(QWidget* parent = nullptr);

    // A non-empty text hides the calendar and shows the text instead; an empty one shows the
    // calendar.
    void show_guide(const QString& text);

    QLabel* l_Guide;
    QFrame* sag;

signals:
    void guide_clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace tabrel
