#include <array>

#include "i18n/text.h"
#include "model/shown_month.h"
#include "printouts/law_block.h"
#include "printouts/tag_families.h"
#include "worktime/law_moment.h"
#include "worktime/law_rule_texts.h"

namespace tabrel {

namespace {

using FindingValue = std::string (*)(const TagCall&, const LawFinding&);

template <FindingValue value>
std::string of_finding(const TagCall& c) {
    const LawFinding* f = context_finding(c.ctx);
    return f ? value(c, *f) : std::string();
}

// The short date and the clock time of a moment of the finding.
std::string moment(const TagCall& c, int64_t minutes) {
    const YearMonth shown = shown_year_month(c.ctx.roster);
    const LawMoment m = law_moment(shown.year, shown.month, minutes);
    return c.text(c.ctx.locale.short_date(m.year, m.month, m.day)) + " " + c.clock(m.minute_of_day);
}

std::string from(const TagCall& c, const LawFinding& f) {
    return moment(c, f.start);
}

std::string to(const TagCall& c, const LawFinding& f) {
    return moment(c, f.end);
}

std::string rule(const TagCall& c, const LawFinding& f) {
    return c.text(law_rule_title(f.rule));
}

std::string article(const TagCall& c, const LawFinding& f) {
    return c.text(law_rule_article(f.rule));
}

std::string kind(const TagCall&, const LawFinding& f) {
    return f.notice ? tr("law_kind_notice", "ostrzeżenie") : tr("law_kind_breach", "naruszenie");
}

std::string found(const TagCall& c, const LawFinding& f) {
    return c.time(f.found);
}

std::string limit(const TagCall& c, const LawFinding& f) {
    return c.time(f.limit);
}

std::string description(const TagCall& c, const LawFinding& f) {
    return c.text(law_finding_text(f));
}

std::string number(const TagCall& c, const LawFinding&) {
    return std::to_string(c.ctx.at.finding + 1);
}

std::string count(const TagCall& c) {
    return std::to_string(block_findings(c.ctx).size());
}

const std::array kLaw = {
    TagEntry{"law_count", "kontrola_ile", count},
    TagEntry{"law_no", "kontrola_lp", of_finding<number>},
    TagEntry{"law_from", "kontrola_od", of_finding<from>},
    TagEntry{"law_to", "kontrola_do", of_finding<to>},
    TagEntry{"law_rule", "kontrola_zasada", of_finding<rule>},
    TagEntry{"law_article", "kontrola_przepis", of_finding<article>},
    TagEntry{"law_kind", "kontrola_rodzaj", of_finding<kind>},
    TagEntry{"law_found", "kontrola_stwierdzono", of_finding<found>},
    TagEntry{"law_limit", "kontrola_limit", of_finding<limit>},
    TagEntry{"law_text", "kontrola_opis", of_finding<description>},
};

}  // namespace

std::span<const TagEntry> law_tags() {
    return kLaw;
}

}  // namespace tabrel
