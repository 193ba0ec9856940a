#include "worktime/law_rule_texts.h"

#include "i18n/text.h"

namespace tabrel {

std::string law_rule_title(LawRule rule) {
    switch (rule) {
        case LawRule::DailyRest:
            return tr("law_title_DailyRest", "Odpoczynek dobowy");
        case LawRule::SameDayTwice:
            return tr("law_title_SameDayTwice", "Dwa dyżury w jednej dobie");
        case LawRule::WeeklyRest:
            return tr("law_title_WeeklyRest", "Odpoczynek tygodniowy");
        case LawRule::DayLength:
            return tr("law_title_DayLength", "Praca w dobie");
        case LawRule::WeeklyHours:
            return tr("law_title_WeeklyHours", "Przeciętny tydzień pracy");
        case LawRule::YearlyOvertime:
            return tr("law_title_YearlyOvertime", "Roczny limit nadgodzin");
    }
    return {};
}

std::string law_rule_article(LawRule rule) {
    switch (rule) {
        case LawRule::DailyRest:
            return tr("law_art_DailyRest", "art. 132 § 1 KP");
        case LawRule::SameDayTwice:
            return tr("law_art_SameDayTwice", "art. 128 § 3 i 132 KP");
        case LawRule::WeeklyRest:
            return tr("law_art_WeeklyRest", "art. 133 § 1 KP");
        case LawRule::DayLength:
            return tr("law_art_DayLength", "art. 135 KP, art. 94 ustawy o działalności leczniczej");
        case LawRule::WeeklyHours:
            return tr("law_art_WeeklyHours", "art. 131 § 1 KP");
        case LawRule::YearlyOvertime:
            return tr("law_art_YearlyOvertime", "art. 151 § 3 KP");
    }
    return {};
}

}  // namespace tabrel
