#pragma once

#include <string>
#include <string_view>

#include "model/day_off.h"
#include "model/duty.h"
#include "model/roster.h"
#include "storage/options.h"

namespace tabrel {

// What a duty's symbol falls back to when it matches neither its shift, the norm remainder nor
// the "8" length: its length ("ile"), `symbol_other` or its length ("symbol"), `symbol_other`
// alone ("ksymbol", the grid's tiles) or its hours from-to ("oddo").
enum class SymbolMode { Ile, Symbol, KSymbol, OdDo };

// The duty's symbol: its shift's `zsymbol` when start and length are the shift's, `symbol_d`
// for a norm-remainder length, `symbol_8` for the "8" length, else by `mode`. Shift and "8"
// length are those of the duty's own group (the current group when its group is unknown); the
// remainder is the shown month's, so it applies to the current group's duties only. Times are
// written by min2h with `format` ("txt", "htm" ...). The result is cp1250.
std::string dyzur2symbol(const Roster& roster, const Options& options, const Duty& duty,
                         SymbolMode mode, std::string_view format);

// The own symbol of the entry's kind; an empty entry takes the kind of the worker's nearest
// day off starting on or before `day` (1-based). A single blank for an unknown kind or none.
std::string wolne2symbol(const Options& options, const Worker& worker, const DayOff& entry,
                         int day);

// The own name of the entry's kind, a single blank for an unknown kind.
std::string wolne2nazwa(const Options& options, const DayOff& entry);

}  // namespace tabrel
