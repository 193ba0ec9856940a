#pragma once

#include <string>
#include <vector>

#include "model/roster.h"
#include "storage/month_entries.h"

namespace tabrel {

struct ExportMonths {
    std::vector<MonthEntries> months;
    std::string error;  // cp1250; empty when every month was read
};

// The entries of `count` consecutive months from `year`-`month` on. The month the roster
// shows comes from memory, since it may hold edits not saved yet; the others from their
// files, read without writing anything.
ExportMonths export_months(const Roster& roster, int year, int month, int count);

}  // namespace tabrel
