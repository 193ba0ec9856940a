#include "help_formatter.h"

#include <sstream>

namespace tabrel {

namespace {

// "archive create": the command's name after those of the commands it belongs to.
std::string command_path(const CLI::App* command) {
    std::string path = command->get_name();
    for (const CLI::App* p = command->get_parent(); p && p->get_parent(); p = p->get_parent())
        path = p->get_name() + " " + path;
    return path;
}

std::vector<const CLI::App*> named_commands(const CLI::App* app) {
    return app->get_subcommands([](const CLI::App* c) { return !c->get_name().empty(); });
}

}  // namespace

std::string HelpFormatter::make_usage(const CLI::App* app, std::string name) const {
    const auto found = usages_.find(app);
    if (found == usages_.end()) return CLI::Formatter::make_usage(app, std::move(name));
    return get_label("Usage") + ": " + found->second + "\n";
}

std::string HelpFormatter::make_subcommands(const CLI::App* app, CLI::AppFormatMode mode) const {
    if (mode != CLI::AppFormatMode::All) return CLI::Formatter::make_subcommands(app, mode);
    std::string sections;
    for (const CLI::App* command : named_commands(app)) sections += "\n" + make_expanded(command);
    return sections;
}

std::string HelpFormatter::make_expanded(const CLI::App* sub) const {
    // A group of options within a command.
    if (sub->get_name().empty()) return CLI::Formatter::make_expanded(sub);
    const auto commands = named_commands(sub);
    if (!commands.empty()) return make_subcommands(sub, CLI::AppFormatMode::All).substr(1);
    const std::string body = make_description(sub) + "\n" + make_usage(sub, "") +
                             make_positionals(sub) + make_groups(sub, CLI::AppFormatMode::Sub) +
                             CLI::Formatter::make_subcommands(sub, CLI::AppFormatMode::Sub) + "\n" +
                             make_footer(sub);
    std::string text = "Command " + command_path(sub) + ":\n";
    std::istringstream lines(body);
    for (std::string line; std::getline(lines, line);)
        text += line.empty() ? "\n" : "  " + line + "\n";
    return text;
}

}  // namespace tabrel
