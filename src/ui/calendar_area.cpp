#include "calendar_area.h"

#include <QEvent>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace tabrel {

CalendarArea::CalendarArea(QWidget* parent) : QWidget(parent) {
    l_Guide = new QLabel(this);
    l_Guide->setObjectName(QStringLiteral("l_Guide"));
    l_Guide->setAlignment(Qt::AlignCenter);
    l_Guide->setWordWrap(true);
    l_Guide->setCursor(Qt::PointingHandCursor);
    QFont font = l_Guide->font();
    font.setPointSizeF(font.pointSizeF() * 2);
    font.setBold(true);
    l_Guide->setFont(font);
    l_Guide->installEventFilter(this);

    sag = new QFrame(this);
    sag->setObjectName(QStringLiteral("sag"));
    sag->setFrameShape(QFrame::StyledPanel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(l_Guide, 1);
    layout->addWidget(sag, 1);
}

void CalendarArea::show_guide(const QString& text) {
    l_Guide->setText(text);
    l_Guide->setVisible(!text.isEmpty());
    sag->setVisible(text.isEmpty());
}

bool CalendarArea::eventFilter(QObject* watched, QEvent* event) {
    if (watched == l_Guide && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        emit guide_clicked();
    return QWidget::eventFilter(watched, event);
}

}  // namespace tabrel
