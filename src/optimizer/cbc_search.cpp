#include "optimizer/cbc_search.h"

#include <CbcEventHandler.hpp>
#include <CbcModel.hpp>
#include <CbcSolver.hpp>
#include <CoinPackedMatrix.hpp>
#include <CoinPackedVector.hpp>
#include <OsiClpSolverInterface.hpp>
#include <chrono>
#include <cmath>
#include <memory>

namespace tabrel {

namespace {

using SteadyClock = std::chrono::steady_clock;

// How often the report hears from a search that finds nothing better.
constexpr double kQuietReportSeconds = 0.25;
// The shares of the limit given to the solver's own clock and after which the search is
// stopped from here, leaving time to wind down on a busy machine.
constexpr double kSolverShare = 0.7;
constexpr double kSearchShare = 0.8;
// Costs closer than this are the same plan's.
constexpr double kTie = 1e-6;

struct SearchState {
    const SearchReport* report = nullptr;
    int columns = 0;
    double limit = 0;
    bool out_of_time = false;
    SteadyClock::time_point began = SteadyClock::now();
    double last_report = 0;
    double best_cost = COIN_DBL_MAX;
    bool stopped = false;

    double elapsed() const {
        return std::chrono::duration<double>(SteadyClock::now() - began).count();
    }
};

class ReportingHandler : public CbcEventHandler {
public:
    explicit ReportingHandler(std::shared_ptr<SearchState> state) : state_(std::move(state)) {}

    // The solution in hand is looked at on every event: the solver tells of a better one before
    // it keeps it.
    CbcAction event(CbcEvent) override {
        if (state_->stopped || state_->out_of_time) return stop;
        const double now = state_->elapsed();
        // The solver's own limit is not looked at while the root node is worked on.
        if (now > state_->limit) {
            state_->out_of_time = true;
            return stop;
        }
        std::vector<double> values;
        const double* best = model_->bestSolution();
        const double cost = model_->getMinimizationObjValue();
        if (best && model_->getNumCols() == state_->columns && cost < state_->best_cost - kTie) {
            state_->best_cost = cost;
            values.assign(best, best + state_->columns);
        } else if (now - state_->last_report < kQuietReportSeconds) {
            return noAction;
        }
        state_->last_report = now;
        if (*state_->report && !(*state_->report)(values, state_->best_cost, now))
            state_->stopped = true;
        return state_->stopped ? stop : noAction;
    }

    CbcEventHandler* clone() const override { return new ReportingHandler(*this); }

private:
    std::shared_ptr<SearchState> state_;
};

double bound(double value) {
    if (value == LinearModel::kInfinity) return COIN_DBL_MAX;
    if (value == -LinearModel::kInfinity) return -COIN_DBL_MAX;
    return value;
}

void load(const LinearModel& model, OsiClpSolverInterface& solver) {
    CoinPackedMatrix matrix(false, 0, 0);
    matrix.setDimensions(0, static_cast<int>(model.columns.size()));
    std::vector<double> row_lower, row_upper;
    for (const LinearModel::Row& row : model.rows) {
        matrix.appendRow(CoinPackedVector(static_cast<int>(row.columns.size()), row.columns.data(),
                                          row.values.data(), false));
        row_lower.push_back(bound(row.lower));
        row_upper.push_back(bound(row.upper));
    }
    std::vector<double> col_lower, col_upper, cost;
    for (const LinearModel::Column& c : model.columns) {
        col_lower.push_back(bound(c.lower));
        col_upper.push_back(bound(c.upper));
        cost.push_back(c.cost);
    }
    solver.loadProblem(matrix, col_lower.data(), col_upper.data(), cost.data(), row_lower.data(),
                       row_upper.data());
    for (int i = 0; i < static_cast<int>(model.columns.size()); ++i)
        if (model.columns[i].integer) solver.setInteger(i);
    solver.messageHandler()->setLogLevel(0);
}

// The start goes by column name; the solver's own generated names serve (naming the columns
// ourselves trips a fault in the solver's presolve).
void set_start(const LinearModel& model, const std::vector<double>& start,
               const OsiClpSolverInterface& solver, CbcModel& cbc) {
    std::vector<std::pair<std::string, double>> values;
    for (size_t i = 0; i < start.size() && i < model.columns.size(); ++i)
        if (model.columns[i].integer)
            values.emplace_back(solver.getColName(static_cast<int>(i)), start[i]);
    if (!values.empty()) cbc.setMIPStart(values);
}

std::string status_of(const CbcModel& cbc, const SearchState& state) {
    if (state.stopped) return "stopped";
    if (state.out_of_time) return "time_limit";
    if (cbc.isProvenOptimal()) return "optimal";
    if (!cbc.bestSolution()) return cbc.isProvenInfeasible() ? "infeasible" : "time_limit";
    return "time_limit";
}

}  // namespace

SearchResult search(const LinearModel& model, const std::vector<double>& start, int seconds,
                    const SearchReport& report) {
    OsiClpSolverInterface solver;
    load(model, solver);
    CbcModel cbc(solver);
    CbcSolverUsefulData data;
    data.noPrinting_ = true;
    data.useSignalHandler_ = false;
    CbcMain0(cbc, data);
    cbc.setLogLevel(0);
    set_start(model, start, solver, cbc);
    auto state = std::make_shared<SearchState>();
    state->report = &report;
    state->columns = static_cast<int>(model.columns.size());
    state->limit = kSearchShare * std::max(1, seconds);
    ReportingHandler handler(state);
    cbc.passInEventHandler(&handler);
    const std::string limit = std::to_string(kSolverShare * std::max(1, seconds));
    // Without preprocessing the solver keeps our columns, so every better solution can be told.
    const char* argv[] = {"tabrel",    "-log",        "0",    "-preprocess",    "off",
                          "-timeMode", "elapsed",     "-sec", limit.c_str(),    "-threads",
                          "0",         "-randomSeed", "1",    "-randomCbcSeed", "1",
                          "-solve",    "-quit"};
    CbcMain1(static_cast<int>(std::size(argv)), argv, cbc, nullptr, data);
    SearchResult result;
    result.status = status_of(cbc, *state);
    result.seconds = state->elapsed();
    if (cbc.bestSolution()) {
        result.values.assign(cbc.bestSolution(), cbc.bestSolution() + model.columns.size());
        result.objective = cbc.getMinimizationObjValue();
    }
    return result;
}

}  // namespace tabrel
