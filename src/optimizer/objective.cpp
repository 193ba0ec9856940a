#include "optimizer/objective.h"

#include <algorithm>
#include <cmath>

namespace tabrel {

namespace {

constexpr int kNeutralWish = 3;

void add_coverage(const Ward& ward, LinearModel& model) {
    const int shifts = static_cast<int>(ward.shift_length.size());
    std::vector<std::vector<std::vector<int>>> given(ward.days,
                                                     std::vector<std::vector<int>>(shifts));
    for (int c = 0; c < static_cast<int>(ward.choices.size()); ++c)
        given[ward.choices[c].day][ward.choices[c].shift - 1].push_back(c);
    for (int d = 0; d < ward.days; ++d)
        for (int k = 0; k < shifts; ++k) {
            const int missing = ward.required[d][k] - ward.present[d][k];
            if (missing <= 0) continue;
            const int column =
                model.add_column(0, missing, weight::kShortMinute * ward.shift_length[k]);
            LinearModel::Row& row = model.add_row(missing, LinearModel::kInfinity);
            add_term(row, column, 1);
            for (int c : given[d][k]) add_term(row, c, 1);
        }
}

// given - over + under = norm - used, with the overtime the user allows as the limit above.
void add_norms(const Ward& ward, LinearModel& model) {
    for (int w = 0; w < static_cast<int>(ward.workers.size()); ++w) {
        const WardWorker& worker = ward.workers[w];
        const double target = worker.norm - worker.used;
        const double over_limit = std::max<double>(ward.settings.overtime_minutes, -target);
        const int over = model.add_column(0, over_limit, weight::kOverNormMinute);
        const int under = model.add_column(0, LinearModel::kInfinity, weight::kUnderNormMinute);
        LinearModel::Row& row = model.add_row(target, target);
        add_term(row, over, -1);
        add_term(row, under, 1);
        for (int c = 0; c < static_cast<int>(ward.choices.size()); ++c)
            if (ward.choices[c].worker == w) add_term(row, c, ward.choices[c].length);
    }
}

// Each worker's count against a share of the total in proportion to the norm, which carries
// the employment fraction and leaves out the days of leave.
void add_shares(const Ward& ward, LinearModel& model, bool nights) {
    double norms = 0, fixed = 0;
    for (const WardWorker& w : ward.workers) {
        norms += std::max(0, w.norm);
        fixed += nights ? w.fixed_nights : w.fixed_weekend;
    }
    if (norms <= 0) return;
    const int total = model.add_column(0, LinearModel::kInfinity, 0);
    LinearModel::Row& sum = model.add_row(fixed, fixed);
    add_term(sum, total, 1);
    for (int c = 0; c < static_cast<int>(ward.choices.size()); ++c)
        if (nights ? ward.choices[c].night : ward.choices[c].weekend) add_term(sum, c, -1);
    for (int w = 0; w < static_cast<int>(ward.workers.size()); ++w) {
        const WardWorker& worker = ward.workers[w];
        const double share = std::max(0, worker.norm) / norms;
        const int above = model.add_column(0, LinearModel::kInfinity, weight::kUnfairDuty);
        const int below = model.add_column(0, LinearModel::kInfinity, weight::kUnfairDuty);
        const double own = nights ? worker.fixed_nights : worker.fixed_weekend;
        LinearModel::Row& row = model.add_row(-own, -own);
        add_term(row, total, -share);
        add_term(row, above, -1);
        add_term(row, below, 1);
        for (int c = 0; c < static_cast<int>(ward.choices.size()); ++c) {
            const DutyChoice& choice = ward.choices[c];
            if (choice.worker == w && (nights ? choice.night : choice.weekend)) add_term(row, c, 1);
        }
    }
}

double wish_cost(const WardWorker& w, const DutyChoice& c) {
    const int lean = w.pref_dn - kNeutralWish;  // above 0: nights wished
    if (c.night ? lean < 0 : lean > 0) return weight::kWishLevel * std::abs(lean);
    return 0;
}

double rhythm_cost(const WardWorker& w, const DutyChoice& c) {
    if (w.rhythm.empty() || w.rhythm[c.day] == c.shift) return 0;
    return weight::kOffRhythm;
}

}  // namespace

void add_objective(const Ward& ward, LinearModel& model) {
    for (int c = 0; c < static_cast<int>(ward.choices.size()); ++c) {
        const WardWorker& w = ward.workers[ward.choices[c].worker];
        model.columns[c].cost = wish_cost(w, ward.choices[c]) + rhythm_cost(w, ward.choices[c]);
    }
    add_coverage(ward, model);
    add_norms(ward, model);
    add_shares(ward, model, true);
    add_shares(ward, model, false);
}

long shortfall_minutes(const Ward& ward, const std::vector<bool>& given) {
    std::vector<std::vector<int>> heads = ward.present;
    for (size_t c = 0; c < given.size(); ++c)
        if (given[c]) ++heads[ward.choices[c].day][ward.choices[c].shift - 1];
    long total = 0;
    for (int d = 0; d < ward.days; ++d)
        for (size_t k = 0; k < ward.shift_length.size(); ++k)
            total += long{std::max(0, ward.required[d][k] - heads[d][k])} * ward.shift_length[k];
    return total;
}

}  // namespace tabrel
