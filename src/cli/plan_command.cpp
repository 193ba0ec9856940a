#include "plan_command.h"

#include <iostream>

#include "cli_prompter.h"
#include "i18n/cp1250.h"
#include "month_command.h"
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

}  // namespace

int run_plan_command(const std::filesystem::path& data_dir, const PlanRequest& request) {
    AnsweringPrompter prompter(request.accept);
    // The planner measures used time in the same reading the summaries are printed in.
    return run_changed_month_command(
        data_dir, request.month, [&](Roster& roster, const Options& options) {
            uloz_tabrel(roster, options, prompter, request.month.all_groups);
        });
}

}  // namespace tabrel
