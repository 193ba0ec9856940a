#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "model/roster.h"
#include "storage/law_neighbours.h"
#include "worktime/law_check.h"

namespace tabrel {

// The working-time findings the window shows, computed once per change of the plan and kept
// for painting. The neighbouring months are read again only when the shown month, the group or
// its settlement period changes.
class LawWatch {
public:
    // Checks every worker of the register as `tabrel-cli check` does. Gives the findings the
    // change added to those of the same month, group and limits; none after a switch.
    std::vector<LawFinding> refresh(const Roster& roster, const LawLimits& limits);

    // Every finding, in register order and then by start.
    const std::vector<LawFinding>& findings() const { return findings_; }
    // The findings of one worker.
    std::vector<LawFinding> of_worker(uint16_t worker_id) const;
    // Why a neighbouring month could not be read (cp1250); empty when every file was read.
    const std::string& error() const { return neighbours_.error; }

private:
    struct Basis {
        std::filesystem::path folder;
        int year = 0;
        int month = 0;
        int group = -1;
        bool new_period = false;

        bool operator==(const Basis&) const = default;
    };

    std::optional<Basis> basis_;
    LawLimits limits_;
    LawNeighbours neighbours_;
    MonthFileCache files_;
    std::vector<LawFinding> findings_;
    std::vector<LawFinding> room_;  // the findings before, whose memory the next ones reuse
};

// The day of the shown month to show for a finding: the day it starts, kept within the month.
int law_finding_day(const LawFinding& f, int month_days);

}  // namespace tabrel
