#include "command_line.h"

#include <iostream>
#include <utility>

#include "app/program_version.h"
#include "archive_commands.h"
#include "base/locale.h"
#include "calendar_command.h"
#include "i18n/cp1250.h"
#include "month_command.h"
#include "staff_commands.h"

namespace fs = std::filesystem;

namespace tabrel {

namespace {

constexpr char kProgram[] = "tabrel-cli";

// The version and build date as the about box shows them.
std::string version_text() {
    const Date built = build_date();
    return std::string(kProgram) + " " + program_version() + "\nData utworzenia: " +
           cp1250_to_utf8(Locale{}.short_date(built.year, built.month, built.day));
}

const CLI::Validator kYearMonth(
    [](std::string& text) {
        return parse_year_month(text) ? std::string() : "not a month of the form YYYY-MM: " + text;
    },
    "");

// Ids of groups and workers are stored in 16 bits.
CLI::Validator id_range() {
    return CLI::Range(0, 65535).description("");
}

void add_month(CLI::App& command, YearMonth& when) {
    command
        .add_option_function<std::string>(
            "MONTH", [&when](const std::string& text) { when = *parse_year_month(text); },
            "The month, as YYYY-MM")
        ->required()
        ->type_name("YYYY-MM")
        ->check(kYearMonth);
}

CLI::Option* add_group(CLI::App& command, std::optional<int>& id, const std::string& description) {
    return command.add_option("--group", id, description)->type_name("ID")->check(id_range());
}

const std::string kShownGroup = "The group shown (default: the first group not deleted)";

}  // namespace

CommandLine::CommandLine()
    : formatter_(std::make_shared<HelpFormatter>()),
      app_(
          "Works on Tabrel's data without a window: archives, the groups and the staff, a "
          "month's calendar and summaries as JSON, the automatic planner and printouts. "
          "Messages are written in UTF-8.",
          kProgram) {
    formatter_->label("SUBCOMMAND", "COMMAND");
    app_.formatter(formatter_);
    app_.set_help_all_flag("--help-all", "Print the help of every command and exit");
    app_.set_version_flag("--version", version_text(), "Print the version and build date and exit");
    data_option_ =
        app_.add_option("--data", data_, "The data folder a command works on")->type_name("DIR");
    app_.require_subcommand(1);
    app_.footer(
        "Exit status:\n"
        "  0  success\n"
        "  1  the work failed: a file or the data (a message on standard error)\n"
        "  2  wrong usage (a message on standard error)\n"
        "\n"
        "Run \"tabrel-cli COMMAND --help\" for a command's arguments, options and an example.");
    add_archive_commands();
    add_staff_commands();
    add_month_commands();
    add_check_command();
    add_print_command();
    add_plan_command();
    add_ical_command();
}

int CommandLine::run(int argc, char* argv[]) {
    try {
        app_.parse(argc, argv);
    } catch (const CLI::Success& e) {
        return app_.exit(e);
    } catch (const CLI::ParseError& e) {
        std::cerr << kProgram << ": " << e.what() << "\nRun \"tabrel-cli --help\" or \""
                  << "tabrel-cli COMMAND --help\" for the usage.\n";
        return kExitUsage;
    }
    return action_();
}

CLI::App* CommandLine::add_command(CLI::App& parent, const std::string& name,
                                   const std::string& description, const std::string& usage,
                                   const std::string& example) {
    CLI::App* command = parent.add_subcommand(name, description);
    command->group("Commands");
    formatter_->set_usage(command, usage);
    if (!example.empty()) command->footer("Example:\n  " + example);
    return command;
}

CLI::App* CommandLine::add_data_command(const std::string& name, const std::string& description,
                                        const std::string& arguments, const std::string& example,
                                        std::function<int(const fs::path&)> work) {
    CLI::App* command =
        add_command(app_, name, description,
                    std::string(kProgram) + " --data DIR " + name + arguments, example);
    command->needs(data_option_);
    command->callback(
        [this, work = std::move(work)] { action_ = [this, work] { return work(data_); }; });
    return command;
}

void CommandLine::add_archive_commands() {
    CLI::App* archive = add_command(app_, "archive", "Write, restore or list an archive",
                                    "tabrel-cli archive (create | extract | list) ARCHIVE ...", "");
    archive->footer(
        "Run \"tabrel-cli archive COMMAND --help\" for a command's arguments and an example.");
    archive->require_subcommand(1);
    archive->excludes(data_option_);

    CLI::App* create =
        add_command(*archive, "create", "Write an archive from files and masks",
                    "tabrel-cli archive create ARCHIVE NAME_OR_MASK...",
                    "tabrel-cli archive create backup.bak dane/kadra.ini 'dane/*.tbr'");
    create->add_option("ARCHIVE", archive_, "The archive to write")->required()->type_name("");
    create
        ->add_option("NAME_OR_MASK", archive_names_,
                     "A file, or a mask such as \"*.tbr\" (\" /s\" at its end: in subfolders "
                     "too)")
        ->required()
        ->type_name("");
    create->callback(
        [this] { action_ = [this] { return archive_create(archive_, archive_names_); }; });

    CLI::App* extract =
        add_command(*archive, "extract", "Restore an archive's data members into DIR",
                    "tabrel-cli archive extract ARCHIVE DIR",
                    "tabrel-cli archive extract dane/backup/backup_07-12-2026.bak restored");
    extract->add_option("ARCHIVE", archive_, "The archive to read")->required()->type_name("");
    extract->add_option("DIR", archive_target_, "The folder to restore into")
        ->required()
        ->type_name("");
    extract->callback(
        [this] { action_ = [this] { return archive_extract(archive_, archive_target_); }; });

    CLI::App* list =
        add_command(*archive, "list",
                    "List an archive's members: a line each, the name, a TAB and "
                    "the size in bytes",
                    "tabrel-cli archive list ARCHIVE", "tabrel-cli archive list dane/kadra.inr");
    list->add_option("ARCHIVE", archive_, "The archive to read")->required()->type_name("");
    list->callback([this] { action_ = [this] { return archive_list(archive_); }; });
}

void CommandLine::add_staff_commands() {
    add_data_command("resave",
                     "Load the groups and the staff and save them again, as the program does", "",
                     "tabrel-cli --data dane resave", resave_command);
    add_data_command("dump", "Print the groups and the workers with all stored fields as JSON", "",
                     "tabrel-cli --data dane dump", dump_command);
}

void CommandLine::add_month_commands() {
    CLI::App* calendar = add_data_command(
        "calendar", "Print a month's calendar, norm and grid map as JSON", " YYYY-MM [--group ID]",
        "tabrel-cli --data dane calendar 2025-04 --group 1",
        [this](const fs::path& data) { return run_calendar_command(data, month_); });
    add_month(*calendar, month_.when);
    add_group(*calendar, month_.group_id,
              "The group whose rules make the calendar (default: the first group not deleted)");

    CLI::App* month = add_data_command(
        "month", "Print the month with every worker's summary and day rows as JSON",
        " YYYY-MM [--group ID] [--all-groups]", "tabrel-cli --data dane month 2025-04 --all-groups",
        [this](const fs::path& data) { return run_month_command(data, month_); });
    add_month(*month, month_.when);
    add_group(*month, month_.group_id, kShownGroup);
    month->add_flag("--all-groups", month_.all_groups,
                    "Count every group's duties and days off in the summaries, not only the "
                    "shown group's");

    CLI::App* resave = add_data_command(
        "month-resave", "Load a month file and save it back as a month switch would", " YYYY-MM",
        "tabrel-cli --data dane month-resave 2025-04",
        [this](const fs::path& data) { return run_month_resave_command(data, month_.when); });
    add_month(*resave, month_.when);
}

void CommandLine::add_plan_command() {
    CLI::App* plan = add_data_command(
        "plan", "Run the automatic planner on a group, save the month and print it as month does",
        " YYYY-MM --group ID (--accept | --decline) [--all-groups] [--optimize [--seconds N] "
        "[--overtime M]]",
        "tabrel-cli --data dane plan 2025-04 --group 1 --optimize --seconds 10 --accept",
        [this](const fs::path& data) { return run_plan_command(data, plan_); });
    add_month(*plan, plan_.month.when);
    add_group(*plan, plan_.month.group_id, "The group to plan")->required();
    CLI::Option_group* answer = plan->add_option_group(
        "Answer",
        "The answer to the planner's closing question \"Czy zatwierdzić automatycznie "
        "wpisane dyżury?\"");
    answer->add_option(
        plan->add_flag("--accept", plan_.accept, "Keep every duty the planner placed"));
    answer->add_option(plan->add_flag("--decline")
                           ->description("Remove them all again before the month is saved"));
    answer->require_option(1);
    plan->add_flag("--all-groups", plan_.month.all_groups,
                   "Measure used time and print the summaries over every group's entries, not "
                   "only the planned group's");
    CLI::Option* optimize = plan->add_flag(
        "--optimize", plan_.optimize,
        "Plan with the optimizing planner: full staffing first, every working-time rule "
        "switched on kept, each worker near the norm, fair nights and weekends; the printed "
        "month gains \"optimizer\"");
    plan->add_option("--seconds", plan_.seconds, "How long the optimizing planner may search")
        ->type_name("N")
        ->check(CLI::Range(1, 3600))
        ->needs(optimize)
        ->capture_default_str();
    plan->add_option("--overtime", plan_.overtime,
                     "Minutes above the norm the optimizing planner may plan for a worker")
        ->type_name("M")
        ->check(CLI::Range(0, 10000))
        ->needs(optimize)
        ->capture_default_str();
}

void CommandLine::add_print_command() {
    CLI::App* print =
        add_data_command("print", "Expand a printout template for the month; print the file's path",
                         " TEMPLATE.wzr YYYY-MM [--group ID] [--worker ID] [--day N] [--out DIR]",
                         "tabrel-cli --data dane print karta_ewidencji.wzr 2025-04 --worker 5",
                         [this](const fs::path& data) { return run_print_command(data, print_); });
    print
        ->add_option_function<std::string>(
            "TEMPLATE", [this](const std::string& path) { print_.template_path = path; },
            "The template: a path, or a name looked for in the current folder, then among the "
            "user's templates and the shipped ones")
        ->required()
        ->type_name("TEMPLATE.wzr");
    add_month(*print, print_.when);
    add_group(*print, print_.group_id, kShownGroup);
    print
        ->add_option("--worker", print_.worker_id,
                     "The selected worker (default: the first of the group's list)")
        ->type_name("ID")
        ->check(id_range());
    print->add_option("--day", print_.day, "The selected day of the month (default: 1)")
        ->type_name("N")
        ->check(CLI::Range(1, 31).description(""));
    print
        ->add_option_function<std::string>(
            "--out", [this](const std::string& path) { print_.out = path; },
            "The folder for the printout (default: wydruki/ beside the data folder)")
        ->type_name("DIR");
}

void CommandLine::add_ical_command() {
    CLI::App* ical = add_data_command(
        "ical", "Export duties and days off as an iCalendar file for a calendar program",
        " YYYY-MM (--worker ID | --group ID) [--months N] [--out FILE]",
        "tabrel-cli --data dane ical 2025-04 --worker 5 --months 2 --out kowalska.ics",
        [this](const fs::path& data) { return run_ical_command(data, ical_); });
    add_month(*ical, ical_.first);
    CLI::Option_group* target = ical->add_option_group(
        "Target", "Whose entries: one worker's in every group, or a group's");
    target->add_option(ical->add_option("--worker", ical_.worker_id,
                                        "The worker whose duties and days off in every group")
                           ->type_name("ID")
                           ->check(id_range()));
    target->add_option(add_group(*ical, ical_.group_id, "The group whose members' entries"));
    target->require_option(1);
    ical->add_option("--months", ical_.months, "How many months from YYYY-MM on (default: 1)")
        ->type_name("N")
        ->check(CLI::Range(1, kMaxIcalMonths).description(""));
    ical->add_option_function<std::string>(
            "--out", [this](const std::string& path) { ical_.out = path; },
            "The file to write (default: standard output)")
        ->type_name("FILE");
}

void CommandLine::add_check_command() {
    CLI::App* check = add_data_command(
        "check",
        "Check the month against the working-time rules (rest, duty length, weekly hours, "
        "overtime); print the findings as JSON",
        " YYYY-MM [--group ID] [--strict]", "tabrel-cli --data dane check 2025-04 --group 1",
        [this](const fs::path& data) { return run_check_command(data, check_); });
    add_month(*check, check_.month.when);
    add_group(*check, check_.month.group_id,
              "Only the group's members, the period counted from its months (default: every "
              "worker of the register)");
    check->add_flag("--strict", check_.strict,
                    "Exit with status 3 when there is a finding beyond a limit");
}

}  // namespace tabrel
