#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/month_summary.h"
#include "model/roster.h"
#include "storage/options.h"
#include "support/test_support.h"

namespace tabrel::test {

// A group with a day shift "R" (07:00, 12:00) and a night shift "N" (19:00, 12:00) and no
// default profile.
Group two_shift_group(uint16_t id, std::string name);

// A small ward for month tests: group 1 with a day shift (07:00, 12:00) and a night shift
// (19:00, 12:00), and worker 5 in it; the month is laid out by normatyw with default options.
struct Ward {
    Roster roster;
    Options options;
    FakePrompter prompter;

    Ward(int year, int month);

    // Rebuilds the calendar and the group norm of the shown month.
    void lay_out();
    Worker& worker(uint16_t id = 5);
    // Adds a worker of group 1 with the given id.
    Worker& hire(uint16_t id);
    void duty(int day, int shift, int start, int duration, int overtime = 0, uint16_t group = 1,
              uint16_t worker_id = 5);
    void day_off(int from, int to, char kind, uint16_t group = 1, uint16_t worker_id = 5);
    // odswiez_pracownika for a worker id.
    std::vector<DaySummary> refresh(uint16_t worker_id = 5, bool all_groups = false);
};

}  // namespace tabrel::test
