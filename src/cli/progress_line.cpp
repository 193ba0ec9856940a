#include "progress_line.h"

#include <unistd.h>

#include <iostream>

namespace tabrel {

ProgressLine::ProgressLine() : active_(isatty(STDERR_FILENO) == 1) {}

ProgressLine::~ProgressLine() {
    if (shown_ >= 0) std::cerr << '\n';
}

ArchiveProgress ProgressLine::callback() {
    if (!active_) return {};
    return [this](uint64_t done, uint64_t total) { show(done, total); };
}

void ProgressLine::show(uint64_t done, uint64_t total) {
    const int percent =
        total == 0 ? 100 : static_cast<int>(std::min<uint64_t>(done, total) * 100 / total);
    if (percent == shown_) return;
    shown_ = percent;
    std::cerr << "\r" << percent << "%" << std::flush;
}

}  // namespace tabrel
