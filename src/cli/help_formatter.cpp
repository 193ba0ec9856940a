#include "help_formatter.h"

#include <sstream>

namespace tabrel {

std::string HelpFormatter::make_usage(const CLI::App* app, std::string name) const {
    const auto found = usages_.find(app);
    if (found == usages_.end()) return CLI::Formatter::make_usage(app, std::move(name));
    return get_label("Usage") + ": " + found->second + "\n";
}

std::string HelpFormatter::make_expanded(const CLI::App* sub) const {
    // A group of options within a command.
    if (sub->get_name().empty()) return CLI::Formatter::make_expanded(sub);
    std::ostringstream body;
    body << make_description(sub) << make_usage(sub, sub->get_name()) << make_positionals(sub)
         << make_groups(sub, CLI::AppFormatMode::Sub)
         << make_subcommands(sub, CLI::AppFormatMode::Sub) << make_footer(sub);
    // One block per command, its lines indented under its name.
    std::string text = CLI::detail::find_and_replace(body.str(), "\n\n", "\n");
    if (!text.empty() && text.back() == '\n') text.pop_back();
    return sub->get_name() + "\n  " + CLI::detail::find_and_replace(text, "\n", "\n  ") + "\n";
}

}  // namespace tabrel
