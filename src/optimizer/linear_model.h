#pragma once

#include <limits>
#include <vector>

namespace tabrel {

// A mixed-integer model in the plain form the solver is handed: columns with bounds and costs,
// rows as sparse sums with bounds.
struct LinearModel {
    static constexpr double kInfinity = std::numeric_limits<double>::infinity();

    struct Column {
        double lower = 0;
        double upper = 1;
        double cost = 0;
        bool integer = false;
    };
    struct Row {
        std::vector<int> columns;
        std::vector<double> values;
        double lower = -kInfinity;
        double upper = kInfinity;
    };

    std::vector<Column> columns;
    std::vector<Row> rows;

    int add_column(double lower, double upper, double cost, bool integer = false) {
        columns.push_back({lower, upper, cost, integer});
        return static_cast<int>(columns.size()) - 1;
    }
    Row& add_row(double lower, double upper) {
        rows.push_back({{}, {}, lower, upper});
        return rows.back();
    }
};

inline void add_term(LinearModel::Row& row, int column, double value) {
    row.columns.push_back(column);
    row.values.push_back(value);
}

}  // namespace tabrel
