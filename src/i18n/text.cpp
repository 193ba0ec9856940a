#include "i18n/text.h"

#include "i18n/cp1250.h"

namespace tabrel {

namespace {

std::string_view without_edge_blanks(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A language file cannot keep blanks at the ends of a value (they are trimmed when read), yet
// texts joined to a file name or a number rely on them; the default's own are put back.
std::string with_edge_blanks_of(std::string_view text, std::string_view polish) {
    const std::string_view core = without_edge_blanks(polish);
    if (core.empty()) return std::string(text);
    const size_t lead = static_cast<size_t>(core.data() - polish.data());
    return std::string(polish.substr(0, lead)) + std::string(without_edge_blanks(text)) +
           std::string(polish.substr(lead + core.size()));
}

}  // namespace

std::map<std::string, std::string>& language_texts() {
    static std::map<std::string, std::string> texts;
    return texts;
}

std::string tr(std::string_view key, std::string_view polish_utf8) {
    const auto& texts = language_texts();
    if (auto it = texts.find(std::string(key)); it != texts.end())
        return with_edge_blanks_of(it->second, polish_utf8);
    return cp(polish_utf8);
}

}  // namespace tabrel
