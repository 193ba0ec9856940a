#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/roster.h"
#include "model/worker.h"

namespace tabrel {

constexpr const char* kStaffFileName = "kadra.ini";

// The worker line (tag "p", 36 fields) without line end; `etat` uses the decimal separator.
std::string worker_line(const Worker& w, char decimal_separator);

// The whole kadra.ini: one line per worker in array order.
std::string staff_file_text(const std::vector<Worker>& workers, char decimal_separator);

// Appends the workers of a kadra.ini text to the roster, each with empty month slots. A worker
// line fills a reading buffer that keeps what earlier lines left in fields a shorter line
// lacks. Blank lines are skipped: read into the buffer they would repeat the worker before
// them under the same id. A bad value throws ConversionError naming the file and the line;
// the workers before it stay appended.
void read_staff(std::string_view text, Roster& roster);

}  // namespace tabrel
