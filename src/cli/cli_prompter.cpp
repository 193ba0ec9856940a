#include "cli_prompter.h"

#include "i18n/cp1250.h"

namespace tabrel {

bool CliPrompter::ask(const std::string& text) {
    out_ << cp1250_to_utf8(text) << " [tak]\n";
    return true;
}

void CliPrompter::inform(const std::string& text) {
    out_ << cp1250_to_utf8(text) << '\n';
}

void CliPrompter::error(const std::string& text) {
    out_ << "error: " << cp1250_to_utf8(text) << '\n';
}

}  // namespace tabrel
