#include "law_limits_page.h"

#include <QGridLayout>
#include <QVBoxLayout>
#include <algorithm>

#include "i18n/text.h"
#include "qt_text.h"
#include "time_field.h"

namespace tabrel {

namespace {

constexpr char kLimitMask[] = "999:99;_";
constexpr int kLongestDay = 24 * 60;

struct RuleField {
    const char* check_name;
    const char* caption;
    const char* field_name;  // nullptr for a rule without a limit
    bool LawLimits::*on;
    int LawLimits::*limit;
};

const std::array<RuleField, 6> kRules = {{
    {"cb_LawDailyRest", "Odpoczynek dobowy (art. 132 § 1 KP), co najmniej:", "me_LawDailyRest",
     &LawLimits::daily_rest_on, &LawLimits::daily_rest},
    {"cb_LawSameDayTwice", "Dwa dyżury w jednej dobie pracowniczej (art. 128 § 3 KP)", nullptr,
     &LawLimits::same_day_twice_on, nullptr},
    {"cb_LawWeeklyRest", "Odpoczynek tygodniowy (art. 133 § 1 KP), co najmniej:",
     "me_LawWeeklyRest", &LawLimits::weekly_rest_on, &LawLimits::weekly_rest},
    {"cb_LawDayLength", "Praca w dobie (art. 135 KP), najwyżej:", "me_LawDayLength",
     &LawLimits::day_length_on, &LawLimits::day_length},
    {"cb_LawWeeklyHours", "Przeciętny tydzień pracy (art. 131 § 1 KP), najwyżej:",
     "me_LawWeeklyHours", &LawLimits::weekly_hours_on, &LawLimits::weekly_hours},
    {"cb_LawYearlyOvertime", "Nadgodziny w roku (art. 151 § 3 KP), najwyżej:",
     "me_LawYearlyOvertime", &LawLimits::yearly_overtime_on, &LawLimits::yearly_overtime},
}};

QCheckBox* check_box(const char* name, const char* caption, QWidget* parent) {
    auto* box = new QCheckBox(QString::fromUtf8(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

}  // namespace

LawLimitsPage::LawLimitsPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ts_LawCheck"));
    auto* grid = new QGridLayout;
    for (size_t i = 0; i < kRules.size(); ++i) {
        const RuleField& r = kRules[i];
        Row& row = rows[i];
        row.on = check_box(r.check_name, r.caption, this);
        row.limit = r.field_name ? time_field(r.field_name, kLimitMask, this) : nullptr;
        if (row.limit) row.limit->setMaximumWidth(80);
        grid->addWidget(row.on, static_cast<int>(i), 0);
        if (row.limit) {
            grid->addWidget(row.limit, static_cast<int>(i), 1);
            connect(row.on, &QCheckBox::toggled, row.limit, &QWidget::setEnabled);
        }
    }
    cb_LawAskAfterDrop = check_box(
        "cb_LawAskAfterDrop", "Pytaj, czy zostawić upuszczony dyżur, który łamie te zasady", this);
    auto* layout = new QVBoxLayout(this);
    grid->setColumnStretch(2, 1);
    layout->addLayout(grid);
    layout->addWidget(cb_LawAskAfterDrop);
    layout->addStretch();
}

void LawLimitsPage::show_limits(const LawLimits& limits) {
    for (size_t i = 0; i < kRules.size(); ++i) {
        const RuleField& r = kRules[i];
        rows[i].on->setChecked(limits.*r.on);
        if (rows[i].limit) {
            show_time_text(*rows[i].limit, qt_text(min2h(limits.*r.limit, "txt", false)));
            rows[i].limit->setEnabled(limits.*r.on);
        }
    }
    cb_LawAskAfterDrop->setChecked(limits.ask_after_drop);
}

std::optional<LawLimits> LawLimitsPage::limits(Prompter& prompter) const {
    LawLimits out;
    for (size_t i = 0; i < kRules.size(); ++i) {
        const RuleField& r = kRules[i];
        out.*r.on = rows[i].on->isChecked();
        if (!rows[i].limit) continue;
        const std::optional<TimeValue> time = read_time(*rows[i].limit, prompter);
        if (!time) return std::nullopt;
        out.*r.limit = std::max<int>(*time, 0);
    }
    if (out.day_length > kLongestDay) {
        prompter.inform(tabrel::tr("msg_LawDayTooLong",
                                   "Praca w dobie może trwać najwyżej 24:00 (art. 137 KP)."));
        return std::nullopt;
    }
    out.ask_after_drop = cb_LawAskAfterDrop->isChecked();
    return out;
}

}  // namespace tabrel
