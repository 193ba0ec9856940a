#pragma once

#include <CLI/CLI.hpp>
#include <map>
#include <string>

namespace tabrel {

// The help as tabrel-cli shows it: each command's usage line as written for it, where --data
// stands before the command, and in the help of all commands (--help-all, from which the
// manual page is made) each command's usage and example as well.
class HelpFormatter : public CLI::Formatter {
public:
    void set_usage(const CLI::App* app, std::string usage) { usages_[app] = std::move(usage); }

    std::string make_usage(const CLI::App* app, std::string name) const override;
    std::string make_expanded(const CLI::App* sub) const override;

private:
    std::map<const CLI::App*, std::string> usages_;
};

}  // namespace tabrel
