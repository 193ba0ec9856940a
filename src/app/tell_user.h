#pragma once

#include "base/notices.h"
#include "base/prompter.h"
#include "base/status.h"

namespace tabrel {

// How the window and the CLI show what the core returned, so both say the same words: a failure
// as an error, information as a notice, in the order they arose. A failure without words (one
// already told, or one with nothing to read) shows nothing.
void tell(Prompter& prompter, const Status& status);
void tell(Prompter& prompter, const Notices& notices);

}  // namespace tabrel
