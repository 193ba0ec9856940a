#include "month_bar.h"

#include <QSignalBlocker>

#include "language_applier.h"
#include "qt_text.h"

namespace tabrel {

namespace {

const char* const kMonthNames[] = {"Styczeń",  "Luty",        "Marzec",   "Kwiecień",
                                   "Maj",      "Czerwiec",    "Lipiec",   "Sierpień",
                                   "Wrzesień", "Październik", "Listopad", "Grudzień"};

template <typename Widget>
Widget* named(Widget* w, const char* name, const char* hint) {
    w->setObjectName(QString::fromLatin1(name));
    if (*hint) w->setToolTip(QString::fromUtf8(hint));
    return w;
}

QToolButton* arrow_button(const char* name, const char* caption, const char* hint,
                          QWidget* parent) {
    auto* button = named(new QToolButton(parent), name, hint);
    button->setText(QString::fromLatin1(caption));
    return button;
}

QToolButton* toggle_button(QAction* action, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setDefaultAction(action);
    return button;
}

}  // namespace

MonthBar::MonthBar(const MainActions& a, QWidget* parent) : QToolBar(parent) {
    setObjectName(QStringLiteral("ToolBarMonth"));
    se_Year = named(new QSpinBox(this), "se_Year", "Wybierz rok");
    se_Year->setRange(1900, 2999);
    tb_MonthPrev = arrow_button("tb_MonthPrev", "<", "Poprzedni miesiąc", this);
    cb_Month = named(new QComboBox(this), "cb_Month", "Wybierz miesiąc");
    for (const char* name : kMonthNames) cb_Month->addItem(QString::fromUtf8(name));
    tb_MonthNext = arrow_button("tb_MonthNext", ">", "Następny miesiąc", this);
    norm_text = named(new QLineEdit(this), "me_Norma", "");
    norm_text->setInputMask(QStringLiteral("000:00"));
    norm_text->setText(QStringLiteral("000:00"));
    norm_text->setMaximumWidth(
        norm_text->fontMetrics().horizontalAdvance(QStringLiteral("0000:000")));
    norm_text->setEnabled(false);
    norm_title = named(new QLabel(this), "st_NormaTitle", "");
    norm_value = named(new QLabel(this), "st_NormaValue", "");
    // Their language-file texts are formats the norm fills in, not captions.
    norm_title->setProperty(kTagProperty, kSkippedTag);
    norm_value->setProperty(kTagProperty, kSkippedTag);

    addWidget(se_Year);
    addWidget(tb_MonthPrev);
    addWidget(cb_Month);
    addWidget(tb_MonthNext);
    addSeparator();
    addWidget(toggle_button(a.a_CustomNorma, this));
    addWidget(norm_text);
    addWidget(toggle_button(a.a_NewPeriod, this));
    addSeparator();
    addWidget(norm_title);
    addWidget(norm_value);
}

void MonthBar::show_norm(const NormStatus& status) {
    norm_title->setText(qt_text(status.norm_title).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    norm_value->setText(qt_text(status.norm_value).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    // A line edit repaints on every new text, even the one it holds.
    const QString norm = qt_text(status.norm_text);
    if (norm_text->text() != norm) norm_text->setText(norm);
}

void MonthBar::show_month(YearMonth shown) {
    const QSignalBlocker year_quiet(se_Year);
    const QSignalBlocker month_quiet(cb_Month);
    se_Year->setValue(shown.year);
    cb_Month->setCurrentIndex(shown.month - 1);
}

}  // namespace tabrel
