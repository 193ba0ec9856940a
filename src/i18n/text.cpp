#include "i18n/text.h"

#include "i18n/cp1250.h"

namespace tabrel {

std::map<std::string, std::string>& language_texts() {
    static std::map<std::string, std::string> texts;
    return texts;
}

std::string tr(std::string_view key, std::string_view polish_utf8) {
    const auto& texts = language_texts();
    if (auto it = texts.find(std::string(key)); it != texts.end()) return it->second;
    return cp(polish_utf8);
}

}  // namespace tabrel
