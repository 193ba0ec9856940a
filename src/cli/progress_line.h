#pragma once

#include "storage/archive.h"

namespace tabrel {

// The percentage done of a long archive operation, kept on one line of a terminal's stderr.
// Nothing is shown when stderr is not a terminal, so scripts get clean output.
class ProgressLine {
public:
    ProgressLine();
    ~ProgressLine();
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    ArchiveProgress callback();

private:
    void show(uint64_t done, uint64_t total);

    bool active_;
    int shown_ = -1;
};

}  // namespace tabrel
