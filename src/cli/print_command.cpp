#include "print_command.h"

#include <charconv>
#include <iostream>
#include <optional>

#include "app/locale.h"
#include "app/month_switch.h"
#include "cli_messages.h"
#include "cli_prompter.h"
#include "i18n/cp1250.h"
#include "printouts/printouts.h"
#include "printouts/window_lists.h"
#include "storage/data_folder_lock.h"
#include "storage/options_file.h"
#include "storage/staff_files.h"

namespace fs = std::filesystem;

namespace tabrel {

namespace {

struct PrintRequest {
    fs::path template_path;
    int year = 0;
    int month = 0;
    std::optional<int> group_id;
    std::optional<int> worker_id;
    std::optional<int> day;
    std::optional<fs::path> out;
};

std::optional<int> number(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

bool parse_month(const std::string& when, PrintRequest& r) {
    const auto year = when.size() == 7 && when[4] == '-' ? number(when.substr(0, 4)) : std::nullopt;
    const auto month = year ? number(when.substr(5, 2)) : std::nullopt;
    if (!year || !month || *year < 1 || *month < 1 || *month > 12) return false;
    r.year = *year;
    r.month = *month;
    return true;
}

std::optional<PrintRequest> parse_arguments(const std::vector<std::string>& args,
                                            std::string& error) {
    PrintRequest r;
    if (args.size() < 2) {
        error = "a template and a month YYYY-MM are needed";
        return std::nullopt;
    }
    r.template_path = args[0];
    if (!parse_month(args[1], r)) {
        error = "not a month of the form YYYY-MM: " + args[1];
        return std::nullopt;
    }
    for (size_t i = 2; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (i + 1 >= args.size()) {
            error = "unexpected argument: " + option;
            return std::nullopt;
        }
        const std::string& value = args[++i];
        if (option == "--out") {
            r.out = value;
            continue;
        }
        std::optional<int>* target = option == "--group"    ? &r.group_id
                                     : option == "--worker" ? &r.worker_id
                                     : option == "--day"    ? &r.day
                                                            : nullptr;
        if (target == nullptr || !(*target = number(value))) {
            error = target == nullptr ? "unexpected argument: " + option
                                      : "not a number for " + option + ": " + value;
            return std::nullopt;
        }
    }
    return r;
}

// A template named without a folder that is not in the current one is looked for in the
// templates folder beside the program.
fs::path find_template(const fs::path& given) {
    if (fs::exists(given) || given.has_parent_path()) return given;
    std::error_code ec;
    const fs::path program = fs::read_symlink("/proc/self/exe", ec);
    const fs::path shipped = program.parent_path() / "templates" / given;
    return !ec && fs::exists(shipped) ? shipped : given;
}

// The group shown: the one asked for, else the first that is not deleted; -1 for none.
std::optional<int> choose_group(const Roster& roster, std::optional<int> id) {
    for (size_t i = 0; i < roster.groups.size(); ++i) {
        const Group& g = roster.groups[i];
        if (id ? g.id == *id : !g.old) return static_cast<int>(i);
    }
    if (id) return std::nullopt;
    return -1;
}

class PrintJob {
public:
    explicit PrintJob(const fs::path& data_dir)
        : lock_(data_dir), prompter_(std::cerr), months_(roster_, options_, prompter_, locale_) {
        roster_.data_folder = data_dir;
    }

    // An error text, empty when the month is shown.
    std::string open(const PrintRequest& r) {
        if (lock_.status() != DataFolderLock::Status::Held)
            return "the data folder is in use or cannot be locked: " + roster_.data_folder.string();
        const StaffLoadResult load = wczytaj(roster_, prompter_);
        if (load.groups_failed || load.staff_failed)
            return "a file did not load completely: " + cp1250_to_utf8(load.message);
        roster_.rebuild_worker_ids();
        options_ = read_options(load_options_file(roster_.data_folder), locale_, today());
        const auto group = choose_group(roster_, r.group_id);
        if (!group) return "no group with id " + std::to_string(*r.group_id);
        roster_.current_group = static_cast<int16_t>(*group);
        months_.cb_MonthChange(r.year, r.month);
        if (months_.load_failed()) return "the month file did not load completely";
        return {};
    }

    // An error text, empty when the selection is set.
    std::string select(const PrintRequest& r, GenerationContext& ctx) {
        // The lists as the window first shows them, on the first listed worker.
        fill_window_lists(ctx, ViewState{});
        if (r.worker_id) {
            ctx.selected_worker = roster_.worker_index(static_cast<uint16_t>(*r.worker_id));
            if (*r.worker_id < 0 || ctx.selected_worker < 0)
                return "no worker with id " + std::to_string(*r.worker_id);
        } else if (!ctx.worker_list.empty()) {
            ctx.selected_worker = ctx.worker_list.front();
        } else {
            return "the group has no workers to print for; give one with --worker";
        }
        const int days = roster_.month_days();
        if (r.day && (*r.day < 1 || *r.day > days))
            return "no day " + std::to_string(*r.day) + " in the month";
        ctx.selected_day = r.day ? *r.day - 1 : 0;
        roster_.current_worker = static_cast<uint16_t>(ctx.selected_worker);
        return {};
    }

    GenerationContext context() { return GenerationContext(roster_, options_, locale_); }

private:
    DataFolderLock lock_;
    CliPrompter prompter_;
    Locale locale_;
    Roster roster_;
    Options options_;
    MonthSwitch months_;
};

}  // namespace

int run_print_command(const fs::path& data_dir, const std::vector<std::string>& args) {
    std::string error;
    const auto request = parse_arguments(args, error);
    if (!request) return fail(error);
    if (!fs::is_directory(data_dir)) return fail("no such data folder: " + data_dir.string());
    const fs::path template_path = find_template(request->template_path);
    if (!fs::is_regular_file(template_path))
        return fail("no such template: " + request->template_path.string());

    PrintJob job(data_dir);
    error = job.open(*request);
    if (!error.empty()) return fail(error);
    GenerationContext ctx = job.context();
    error = job.select(*request, ctx);
    if (!error.empty()) return fail(error);

    const fs::path out =
        request->out ? *request->out : fs::absolute(data_dir).parent_path() / "wydruki";
    Printouts printouts(out, {}, nullptr);
    const GenerationResult result = printouts.generuj(template_path, ctx);
    if (!result.written) return fail(cp1250_to_utf8(result.error));
    std::cout << result.output.string() << '\n';
    return 0;
}

}  // namespace tabrel
