#include "ical_command.h"

#include <chrono>
#include <iostream>
#include <optional>

#include "app/locale.h"
#include "cli_messages.h"
#include "cli_prompter.h"
#include "export/export_months.h"
#include "export/ical_calendar.h"
#include "i18n/cp1250.h"
#include "month_arguments.h"
#include "storage/options_file.h"
#include "storage/safe_file.h"
#include "storage/staff_files.h"

namespace fs = std::filesystem;

namespace tabrel {

namespace {

// Beyond ten years an export is surely a typing mistake.
constexpr int kMaxMonths = 120;

struct IcalRequest {
    YearMonth first{};
    std::optional<IcalTarget> target;
    int months = 1;
    std::optional<fs::path> out;
};

// Reads one "--option VALUE" pair into the request; an error text, empty when taken.
std::string take_option(const std::string& option, const std::string& value, IcalRequest& r) {
    if (option == "--out") {
        r.out = value;
        return {};
    }
    const auto number = cli_number(value);
    if (option == "--months") {
        if (!number || *number < 1 || *number > kMaxMonths)
            return "--months needs a number from 1 to " + std::to_string(kMaxMonths) + ": " + value;
        r.months = *number;
        return {};
    }
    if (option != "--worker" && option != "--group") return "unexpected argument: " + option;
    if (r.target) return "give either --worker or --group, once";
    if (!number || *number < 1 || *number > 65535) return "not an id for " + option + ": " + value;
    r.target = IcalTarget{option == "--worker" ? IcalTarget::Kind::Worker : IcalTarget::Kind::Group,
                          static_cast<uint16_t>(*number)};
    return {};
}

std::optional<IcalRequest> parse_arguments(const std::vector<std::string>& args,
                                           std::string& error) {
    IcalRequest r;
    const auto when = args.empty() ? std::nullopt : parse_year_month(args[0]);
    if (!when) {
        error = args.empty() ? "a month YYYY-MM is needed"
                             : "not a month of the form YYYY-MM: " + args[0];
        return std::nullopt;
    }
    r.first = *when;
    for (size_t i = 1; i < args.size(); i += 2) {
        error = i + 1 < args.size() ? take_option(args[i], args[i + 1], r)
                                    : "unexpected argument: " + args[i];
        if (!error.empty()) return std::nullopt;
    }
    if (!r.target) {
        error = "give --worker ID or --group ID";
        return std::nullopt;
    }
    return r;
}

bool target_exists(const Roster& roster, IcalTarget target) {
    if (target.kind == IcalTarget::Kind::Worker) return roster.worker_index(target.id) >= 0;
    for (const Group& g : roster.groups)
        if (g.id == target.id) return true;
    return false;
}

}  // namespace

int run_ical_command(const fs::path& data_dir, const std::vector<std::string>& args) {
    std::string error;
    const auto request = parse_arguments(args, error);
    if (!request) return usage_error(error);
    if (!fs::is_directory(data_dir)) return fail("no such data folder: " + data_dir.string());

    CliPrompter prompter(std::cerr);
    Roster roster;
    roster.data_folder = data_dir;
    const StaffLoadResult load = wczytaj(roster, prompter, LoadPurpose::Reading);
    if (load.groups_failed || load.staff_failed)
        return fail("a file did not load completely: " + cp1250_to_utf8(load.message));
    const IcalTarget target = *request->target;
    if (!target_exists(roster, target))
        return fail(
            std::string(target.kind == IcalTarget::Kind::Worker ? "no worker" : "no group") +
            " with id " + std::to_string(target.id));
    const Options options = read_options(load_options_file(data_dir), Locale{}, today());
    const ExportMonths months =
        export_months(roster, request->first.year, request->first.month, request->months);
    if (!months.error.empty()) return fail(cp1250_to_utf8(months.error));

    const auto now = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
    const std::string text = ical_calendar(roster, options, target, months.months, now);
    if (!request->out) {
        std::cout << text;
        return std::cout.flush() ? 0 : fail("the calendar could not be written to stdout");
    }
    if (!write_file_atomic(*request->out, text, &error)) return fail(cp1250_to_utf8(error));
    std::cout << request->out->string() << '\n';
    return 0;
}

}  // namespace tabrel
