#include <filesystem>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "archive_commands.h"
#include "calendar_command.h"
#include "cli_messages.h"
#include "ical_command.h"
#include "month_command.h"
#include "plan_command.h"
#include "print_command.h"
#include "staff_commands.h"

using namespace tabrel;

namespace {

using DataCommand = int (*)(const std::filesystem::path&, const std::vector<std::string>&);

// The commands that work on a data folder given with --data.
const std::map<std::string, DataCommand> kDataCommands = {
    {"resave", resave_command},
    {"dump", dump_command},
    {"calendar", run_calendar_command},
    {"month", run_month_command},
    {"month-resave", run_month_resave_command},
    {"print", run_print_command},
    {"plan", run_plan_command},
    {"ical", run_ical_command},
};

}  // namespace

int main(int argc, char* argv[]) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::optional<std::filesystem::path> data;
    if (!args.empty() && args[0] == "--data") {
        if (args.size() < 2) return usage_error("--data needs a folder");
        data = args[1];
        args.erase(args.begin(), args.begin() + 2);
    }
    if (args.empty()) return usage_error("no command");

    const std::string command = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "--help" && rest.empty() && !data) {
        std::cout << usage_text();
        return 0;
    }
    if (command == "archive") {
        if (data) return usage_error("--data does not apply to archive");
        return run_archive_command(rest);
    }
    const auto found = kDataCommands.find(command);
    if (found == kDataCommands.end()) return usage_error("unknown command: " + command);
    if (!data) return usage_error(command + " needs --data DIR");
    return found->second(*data, rest);
}
