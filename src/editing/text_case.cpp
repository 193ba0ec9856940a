#include "editing/text_case.h"

#include <unicode/locid.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include "i18n/cp1250.h"

namespace tabrel {

namespace {

icu::UnicodeString unicode(std::string_view cp1250) {
    return icu::UnicodeString::fromUTF8(cp1250_to_utf8(cp1250));
}

}  // namespace

std::string lower_case(std::string_view cp1250) {
    std::string utf8;
    unicode(cp1250).toLower(icu::Locale("pl", "PL")).toUTF8String(utf8);
    // Lowering never leaves the code page, but a text with unassigned bytes keeps its form.
    return utf8_to_cp1250(utf8).value_or(std::string(cp1250));
}

bool equal_ignoring_case(std::string_view a, std::string_view b) {
    return unicode(a).caseCompare(unicode(b), U_FOLD_CASE_DEFAULT) == 0;
}

}  // namespace tabrel
