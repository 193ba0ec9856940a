#pragma once

#include <CLI/CLI.hpp>
#include <map>
#include <string>

namespace tabrel {

// The help as tabrel-cli shows it: each command's usage line as written for it, where --data
// stands before the command. The help of all commands (--help-all, from which the manual page
// is made) gives every command a section of its own with its usage, arguments and example.
class HelpFormatter : public CLI::Formatter {
public:
    void set_usage(const CLI::App* app, std::string usage) { usages_[app] = std::move(usage); }

    std::string make_usage(const CLI::App* app, std::string name) const override;
    std::string make_subcommands(const CLI::App* app, CLI::AppFormatMode mode) const override;
    std::string make_expanded(const CLI::App* sub) const override;

private:
    std::map<const CLI::App*, std::string> usages_;
};

}  // namespace tabrel
