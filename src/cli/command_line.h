#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "check_command.h"
#include "help_formatter.h"
#include "ical_command.h"
#include "month_arguments.h"
#include "plan_command.h"
#include "print_command.h"

namespace tabrel {

// Exit statuses: the work failed (a file, the data), or the command line was wrong. Commands
// with codes of their own document them.
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// tabrel-cli's commands with their arguments, options, help and examples. Parsing picks the one
// command named and fills in its request.
class CommandLine {
public:
    CommandLine();
    CommandLine(const CommandLine&) = delete;
    CommandLine& operator=(const CommandLine&) = delete;

    // Parses the arguments and runs the command they name; the exit status. Help and the
    // version go to stdout with status 0, a usage mistake to stderr with kExitUsage.
    int run(int argc, char* argv[]);

private:
    CLI::App* add_command(CLI::App& parent, const std::string& name, const std::string& description,
                          const std::string& usage, const std::string& example);
    // A command on the folder given with --data; `work` runs once the line is parsed.
    CLI::App* add_data_command(const std::string& name, const std::string& description,
                               const std::string& arguments, const std::string& example,
                               std::function<int(const std::filesystem::path&)> work);
    void add_archive_commands();
    void add_staff_commands();
    void add_month_commands();
    void add_plan_command();
    void add_print_command();
    void add_ical_command();
    void add_check_command();

    std::shared_ptr<HelpFormatter> formatter_;
    CLI::App app_;
    CLI::Option* data_option_ = nullptr;
    std::string data_;
    std::function<int()> action_;

    std::string archive_;
    std::string archive_target_;
    std::vector<std::string> archive_names_;
    MonthRequest month_;
    PlanRequest plan_;
    PrintRequest print_;
    IcalRequest ical_;
    CheckRequest check_;
};

}  // namespace tabrel
