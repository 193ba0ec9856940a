#include "plan_command.h"

#include <iostream>
#include <optional>

#include "cli_messages.h"
#include "cli_prompter.h"
#include "i18n/cp1250.h"
#include "month_command.h"
#include "planner/uloz_tabrel.h"

namespace tabrel {

namespace {

// Shows the planner's question on stderr with the answer given on the command line.
class AnsweringPrompter : public Prompter {
public:
    explicit AnsweringPrompter(bool answer) : answer_(answer) {}

    bool ask(const std::string& text) override {
        std::cerr << cp1250_to_utf8(text) << (answer_ ? " [tak]\n" : " [nie]\n");
        return answer_;
    }
    void inform(const std::string& text) override { messages_.inform(text); }
    void error(const std::string& text) override { messages_.error(text); }

private:
    bool answer_;
    CliPrompter messages_{std::cerr};
};

struct PlanRequest {
    std::string month;
    std::string group;
    std::optional<bool> accept;
    bool all_groups = false;
};

std::optional<PlanRequest> parse(const std::vector<std::string>& args, std::string& error) {
    PlanRequest r;
    if (args.empty()) {
        error = "a month YYYY-MM is needed";
        return std::nullopt;
    }
    r.month = args[0];
    for (size_t i = 1; i < args.size(); ++i) {
        const bool answer = args[i] == "--accept";
        if ((answer || args[i] == "--decline") && !r.accept) {
            r.accept = answer;
        } else if (args[i] == "--all-groups" && !r.all_groups) {
            r.all_groups = true;
        } else if (args[i] == "--group" && i + 1 < args.size() && r.group.empty()) {
            r.group = args[++i];
        } else {
            error = "unexpected argument: " + args[i];
            return std::nullopt;
        }
    }
    if (r.group.empty()) error = "plan needs --group ID";
    if (!r.accept) error = "plan needs --accept or --decline";
    if (!error.empty()) return std::nullopt;
    return r;
}

}  // namespace

int run_plan_command(const std::filesystem::path& data_dir, const std::vector<std::string>& args) {
    std::string error;
    const auto request = parse(args, error);
    if (!request) return usage_error(error);
    AnsweringPrompter prompter(*request->accept);
    std::vector<std::string> month_args{request->month, "--group", request->group};
    if (request->all_groups) month_args.push_back("--all-groups");
    // The planner measures used time in the same reading the summaries are printed in.
    return run_changed_month_command(
        data_dir, month_args, [&](Roster& roster, const Options& options) {
            uloz_tabrel(roster, options, prompter, request->all_groups);
        });
}

}  // namespace tabrel
