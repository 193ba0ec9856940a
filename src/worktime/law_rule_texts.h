#pragma once

#include <string>

#include "worktime/law_check.h"

namespace tabrel {

// The rule's short name in the user's language (cp1250), e.g. "Odpoczynek dobowy".
std::string law_rule_title(LawRule rule);

// The provisions the rule comes from (cp1250), e.g. "art. 132 § 1 KP".
std::string law_rule_article(LawRule rule);

}  // namespace tabrel
