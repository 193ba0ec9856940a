#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/locale.h"
#include "model/month_summary.h"
#include "model/roster.h"
#include "printouts/output_type.h"
#include "storage/options.h"
#include "worktime/law_check.h"

namespace tabrel {

// The indexes a fragment of an expanded template is filled with; -1 when unset.
struct FragmentContext {
    int16_t day = -1;     // 0-based day of the shown month
    int16_t worker = -1;  // index into Roster::workers
    int16_t shift = -1;   // 0-based shift of the current group
    int16_t group = -1;   // position in the group list; no value tag reads it
    int finding = -1;     // index into the group's working-time findings
};

// What special value tags switch for the rest of one generation; reset before each one.
struct GenerationSwitches {
    char time_separator = ':';     // "." once "dot_as_time_sep" has been filled
    bool clear_auto_eols = false;  // "clear_auto_eols": line breaks removed from the output text
    bool all_groups = false;       // "read_all_groups": summaries and day texts count all groups
    int worker_no = 0;             // the running worker number given last
    int summary_worker = -1;       // the worker whose summary and rows below were computed
    std::vector<DaySummary> summary_rows;
    // The group's working-time findings, computed when the template first asks for them.
    mutable std::optional<std::vector<LawFinding>> law_findings;
};

// Everything one generation reads, and the switches it changes as it goes.
struct GenerationContext {
    GenerationContext(Roster& roster_, const Options& options_, const Locale& locale_,
                      const Clock& clock_)
        : roster(roster_), options(options_), locale(locale_), clock(clock_) {}

    Roster& roster;
    const Options& options;
    const Locale& locale;
    const Clock& clock;                 // dates the printout
    std::vector<int> worker_list;       // Roster indexes of the main window's worker list, in order
    std::vector<int> group_list;        // group indexes of the main window's group list, in order
    int selected_worker = -1;           // Roster index of the worker selected in the main window
    int selected_day = 0;               // 0-based day of the selected cell; 0 outside the month
    OutputType type = OutputType::Rtf;  // how the output is written
    FragmentContext at;  // the fragment being filled: day, worker and shift of the tag
    GenerationSwitches switches;
};

// The value of one value tag token (lower-cased as read from the template) in the context
// `ctx.at`. Unknown tokens give the empty text. For a web page the text that comes from the
// roster or the configuration is HTML-escaped here, while the markup the program produces
// itself (schedule texts' spans, superscript minutes, "&nbsp;") is returned as it is; other
// types get the text unescaped. Errors computing a value are thrown and end the generation.
std::string gen_zamien(const std::string& token, GenerationContext& ctx);

}  // namespace tabrel
