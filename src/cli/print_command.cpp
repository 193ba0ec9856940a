#include "print_command.h"

#include <iostream>

#include "app/program_folders.h"
#include "app/user_templates.h"
#include "cli_messages.h"
#include "editing/worker_list_rows.h"
#include "i18n/cp1250.h"
#include "loaded_month.h"
#include "printouts/printouts.h"
#include "printouts/window_lists.h"

namespace fs = std::filesystem;

namespace tabrel {

namespace {

// A template named without a folder that is not in the current one is looked for where the
// program's templates dialog finds its templates: the user's own, then the shipped ones.
fs::path find_template(const fs::path& given) {
    std::error_code ec;
    if (fs::exists(given, ec) || given.has_parent_path()) return given;
    const fs::path program = fs::read_symlink("/proc/self/exe", ec).parent_path();
    if (ec) return given;
    const ProgramFolders folders = program_folders(program).value_or(ProgramFolders(program));
    return find_named_template(folders, given).value_or(given);
}

// The selected worker and day of a print, as the window would have them, and the window's
// view for them. An error text, empty when the selection is set.
std::string select(const PrintRequest& r, Roster& roster, GenerationContext& ctx) {
    const ViewState view;
    if (r.worker_id) {
        const int w =
            *r.worker_id < 0 ? -1 : roster.worker_index(static_cast<uint16_t>(*r.worker_id));
        if (w < 0) return "no worker with id " + std::to_string(*r.worker_id);
        roster.current_worker = static_cast<uint16_t>(w);
    } else {
        // The window opens on the first row of its list.
        const std::vector<WorkerListRow> rows =
            odswiez_liste_prac_panel(roster, view, 0, static_cast<int>(roster.workers.size()) - 1);
        if (rows.empty()) return "the group has no workers to print for; give one with --worker";
        roster.current_worker = static_cast<uint16_t>(rows.front().worker);
    }
    const int days = roster.month_days();
    if (r.day && (*r.day < 1 || *r.day > days))
        return "no day " + std::to_string(*r.day) + " in the month";
    fill_window_lists(ctx, view);
    // A worker given by id is printed for even when the list does not show him.
    ctx.selected_worker = roster.current_worker;
    ctx.selected_day = r.day ? *r.day - 1 : 0;
    return {};
}

}  // namespace

int run_print_command(const fs::path& data_dir, const PrintRequest& request) {
    if (!fs::is_directory(data_dir)) return fail("no such data folder: " + data_dir.string());
    const fs::path template_path = find_template(request.template_path);
    if (!fs::is_regular_file(template_path))
        return fail("no such template: " + request.template_path.string());

    LoadedMonth month(data_dir, LoadPurpose::Reading);
    std::string error = month.open(request.when.year, request.when.month, request.group_id);
    if (!error.empty()) return fail(error);
    GenerationContext ctx(month.roster(), month.options(), month.locale(), month.clock());
    error = select(request, month.roster(), ctx);
    if (!error.empty()) return fail(error);

    const fs::path out =
        request.out ? *request.out : fs::absolute(data_dir).parent_path() / "wydruki";
    Printouts printouts(out, {}, nullptr);
    const GenerationResult result = printouts.generuj(template_path, ctx);
    if (!result.written) return fail(cp1250_to_utf8(result.error));
    std::cout << result.output.string() << '\n';
    return 0;
}

}  // namespace tabrel
