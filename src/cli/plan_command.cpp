#include "plan_command.h"

#include <unistd.h>

#include <cstdio>
#include <iostream>

#include "cli_prompter.h"
#include "i18n/cp1250.h"
#include "month_command.h"
#include "optimizer/optimal_planner.h"
#include "planner/month_planner.h"

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

// The best plan so far on one line of a terminal's stderr; nothing for scripts.
OptimizerProgressFn progress_line() {
    if (isatty(STDERR_FILENO) != 1) return {};
    return [](const OptimizerProgress& p) {
        std::fprintf(stderr, "\rsearching: %.1f s, best plan %ld min short   ", p.seconds,
                     p.shortfall_minutes);
        return true;
    };
}

nlohmann::ordered_json optimizer_json(const OptimalPlan& plan) {
    return {{"status", plan.status},
            {"seconds", plan.seconds},
            {"shortfall_minutes", plan.shortfall_minutes},
            {"objective", plan.objective}};
}

}  // namespace

int run_plan_command(const std::filesystem::path& data_dir, const PlanRequest& request) {
    AnsweringPrompter prompter(request.accept);
    const bool all_groups = request.month.all_groups;
    if (!request.optimize) {
        // The planner measures used time in the same reading the summaries are printed in.
        return run_changed_month_command(data_dir, request.month,
                                         [&](Roster& roster, const Options& options) {
                                             uloz_tabrel(roster, options, prompter, all_groups);
                                         });
    }
    OptimalPlan plan;
    return run_changed_month_command(
        data_dir, request.month,
        [&](Roster& roster, const Options& options) {
            const OptimizerSettings settings{request.seconds, request.overtime, all_groups};
            const OptimizerProgressFn progress = progress_line();
            plan = plan_optimally(roster, options, settings, progress);
            if (progress) std::cerr << '\n';
            place_optimal_plan(roster, options, prompter, plan, all_groups);
        },
        [&](nlohmann::ordered_json& printed) { printed["optimizer"] = optimizer_json(plan); });
}

}  // namespace tabrel
