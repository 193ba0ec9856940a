#pragma once

#include <string>
#include <vector>

#include "printouts/output_type.h"

namespace tabrel {

// A template body made ready for parsing: block tags written with ASCII brackets ("<_day>",
// "</day>") become guillemet tags, each block tag and every closing tag ends a line, and for
// a web page blank lines are dropped. The lines are joined with CR LF; a body without any block
// tag gets an empty one appended so that it parses as one plain-text node.
std::string normalise_body(const std::vector<std::string>& lines, OutputType type);

}  // namespace tabrel
