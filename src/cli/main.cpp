#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "archive_commands.h"
#include "cli_messages.h"
#include "staff_commands.h"

using namespace tabrel;

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
    if (command == "--help" && args.size() == 1 && !data) {
        std::cout << usage_text();
        return 0;
    }
    if (command == "archive") {
        if (data) return usage_error("--data does not apply to archive");
        return run_archive_command(std::vector<std::string>(args.begin() + 1, args.end()));
    }
    if (command == "resave" || command == "dump") {
        if (!data) return usage_error(command + " needs --data DIR");
        if (args.size() > 1) return usage_error("too many arguments for " + command);
        return command == "resave" ? resave_command(*data) : dump_command(*data);
    }
    return usage_error("unknown command: " + command);
}
