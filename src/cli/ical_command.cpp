#include "ical_command.h"

#include <chrono>
#include <iostream>
#include <optional>

#include "base/locale.h"
#include "cli_messages.h"
#include "cli_prompter.h"
#include "export/export_months.h"
#include "export/ical_calendar.h"
#include "i18n/cp1250.h"
#include "loaded_month.h"
#include "month_arguments.h"
#include "storage/options_file.h"
#include "storage/safe_file.h"
#include "storage/staff_files.h"

namespace fs = std::filesystem;

namespace tabrel {

namespace {

bool target_exists(const Roster& roster, IcalTarget target) {
    if (target.kind == IcalTarget::Kind::Worker) return roster.worker_index(target.id) >= 0;
    for (const Group& g : roster.groups)
        if (g.id == target.id) return true;
    return false;
}

IcalTarget target_of(const IcalRequest& request) {
    if (request.worker_id)
        return {IcalTarget::Kind::Worker, static_cast<uint16_t>(*request.worker_id)};
    return {IcalTarget::Kind::Group, static_cast<uint16_t>(request.group_id.value_or(0))};
}

}  // namespace

int run_ical_command(const fs::path& data_dir, const IcalRequest& request) {
    if (!fs::is_directory(data_dir)) return fail("no such data folder: " + data_dir.string());

    CliPrompter prompter(std::cerr);
    Roster roster;
    roster.data_folder = data_dir;
    if (std::string error = load_staff(roster, prompter, LoadPurpose::Reading); !error.empty())
        return fail(error);
    const IcalTarget target = target_of(request);
    if (!target_exists(roster, target))
        return fail(
            std::string(target.kind == IcalTarget::Kind::Worker ? "no worker" : "no group") +
            " with id " + std::to_string(target.id));
    const Options options =
        read_options(load_options_file(data_dir), Locale{}, system_clock().today());
    const ExportMonths months =
        export_months(roster, request.first.year, request.first.month, request.months);
    if (!months.error.empty()) return fail(cp1250_to_utf8(months.error));

    const std::chrono::sys_seconds now{std::chrono::seconds{system_clock().now()}};
    const std::string text = ical_calendar(roster, options, target, months.months, now);
    if (!request.out) {
        std::cout << text;
        return std::cout.flush() ? 0 : fail("the calendar could not be written to stdout");
    }
    if (const Status written = write_file_atomic(*request.out, text); !written)
        return fail(cp1250_to_utf8(written.message()));
    std::cout << request.out->string() << '\n';
    return 0;
}

}  // namespace tabrel
