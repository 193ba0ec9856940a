#include "calendar_area.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "editing/day_properties.h"
#include "editing/grid_drop.h"
#include "qt_text.h"

namespace tabrel {

namespace {

QLabel* guide_label(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("l_Guide"));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setCursor(Qt::PointingHandCursor);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 2);
    font.setBold(true);
    label->setFont(font);
    return label;
}

}  // namespace

CalendarArea::CalendarArea(AppState& app, EditContext& context, QWidget* parent)
    : QWidget(parent), app_(app) {
    l_Guide = guide_label(this);
    l_Guide->installEventFilter(this);
    header = new WeekdayHeader(this);
    sag = new MonthGrid(app, context, this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(build_top_strip(app.view()));
    layout->addWidget(l_Guide, 1);
    layout->addWidget(header);
    layout->addWidget(sag, 1);
    layout->addWidget(build_bottom_strip());
    connect(sag, &MonthGrid::cell_selected, this, &CalendarArea::show_selected_day);
    connect(sag, &MonthGrid::resized, this, [this] { header->follow(sag->grid_geometry()); });
}

QWidget* CalendarArea::build_top_strip(ViewState& view) {
    auto* strip = new QWidget(this);
    xpan = new QToolButton(strip);
    xpan->setObjectName(QStringLiteral("xpan"));
    xpan->setText(QString::fromUtf8("»"));
    auto* title = new QLabel(QString::fromUtf8(" :: Kalendarz "), strip);
    title->setObjectName(QStringLiteral("l_Calendar"));
    switches = new ShowSwitches(view, strip);
    d = new DragPanel("d", QString::fromUtf8("Dyżur"),
                      QString::fromUtf8("Kliknij i przeciągnij na kalendarz by dodać dyżur"),
                      DropSource::Kind::DutyPanel, strip);
    w = new DragPanel("w", QStringLiteral("Wolne"),
                      QString::fromUtf8("Kliknij i przeciągnij na kalendarz by dodać wolne"),
                      DropSource::Kind::DayOffPanel, strip);
    d_Trash = new TrashPanel(strip);

    // Two rows, so that the window still fits a narrow screen.
    auto* top = new QHBoxLayout;
    top->addWidget(xpan);
    top->addWidget(title);
    top->addStretch(1);
    for (QLabel* panel :
         {static_cast<QLabel*>(d), static_cast<QLabel*>(w), static_cast<QLabel*>(d_Trash)}) {
        panel->setMinimumHeight(28);
        top->addWidget(panel);
    }
    auto* rows = new QVBoxLayout(strip);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->addLayout(top);
    rows->addWidget(switches, 0, Qt::AlignLeft);
    return strip;
}

QWidget* CalendarArea::build_bottom_strip() {
    auto* strip = new QWidget(this);
    l_ile_na_dniu = new QLabel(strip);
    l_ile_na_dniu->setObjectName(QStringLiteral("l_ile_na_dniu"));
    gb_DaySummary = new QGroupBox(strip);
    gb_DaySummary->setObjectName(QStringLiteral("gb_DaySummary"));
    m_Notes = new QPlainTextEdit(gb_DaySummary);
    m_Notes->setObjectName(QStringLiteral("m_Notes"));
    m_Notes->setReadOnly(true);
    m_Notes->setMaximumHeight(m_Notes->fontMetrics().height() * 4);
    auto* notes = new QVBoxLayout(gb_DaySummary);
    auto* preview = new QLabel(QString::fromUtf8("Podgląd notatki:"), gb_DaySummary);
    preview->setObjectName(QStringLiteral("l_NotesPreview"));
    notes->addWidget(preview);
    notes->addWidget(m_Notes);
    gb_DaySummary->hide();

    bottom_row_ = new QHBoxLayout(strip);
    bottom_row_->setContentsMargins(0, 0, 0, 0);
    bottom_row_->addWidget(l_ile_na_dniu, 0, Qt::AlignTop);
    bottom_row_->addWidget(gb_DaySummary, 1, Qt::AlignTop);
    return strip;
}

void CalendarArea::add_below(QWidget* widget) {
    bottom_row_->insertWidget(0, widget);
}

void CalendarArea::show_guide(const QString& text) {
    l_Guide->setText(text);
    l_Guide->setVisible(!text.isEmpty());
    header->setVisible(text.isEmpty());
    sag->setVisible(text.isEmpty());
}

void CalendarArea::lay_out() {
    sag->lay_out();
    header->follow(sag->grid_geometry());
    show_selected_day();
}

void CalendarArea::show_selected_day() {
    const Roster& roster = app_.roster();
    const ViewState& view = app_.view();
    if (!valid_cell(roster, view.selected_day, view.selected_shift)) {
        // Cleared only when they show something: clearing repaints and lays out anew.
        if (!l_ile_na_dniu->text().isEmpty()) l_ile_na_dniu->clear();
        if (!m_Notes->document()->isEmpty()) m_Notes->clear();
        gb_DaySummary->hide();
        return;
    }
    const CalendarDay& day = roster.calendar.days[view.selected_day - 1];
    const size_t shift = view.selected_shift - 1u;
    l_ile_na_dniu->setText(
        QString::number(shift < day.shift_counts.size() ? day.shift_counts[shift] : 0));
    // Set only when it changed: setting lays the text out anew and puts the cursor back to the
    // start.
    const QString notes =
        qt_text(day.kalendarz_notatki).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (m_Notes->toPlainText() != notes) m_Notes->setPlainText(notes);
    gb_DaySummary->setVisible(day_notes_visible(roster, view.selected_day));
}

bool CalendarArea::eventFilter(QObject* watched, QEvent* event) {
    if (watched == l_Guide && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        emit guide_clicked();
    return QWidget::eventFilter(watched, event);
}

}  // namespace tabrel
