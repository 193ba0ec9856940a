#pragma once

#include <filesystem>

#include "base/notices.h"

namespace tabrel {

// How old the dated copies beside a data file may grow before they are renewed.
struct CompanionRule {
    int bak_days;
    int err_days;  // 0: the file keeps no ".err" copy
};

// Renews the copies file + ".bak" and file + ".err" by the rule before the file is read: a copy
// that is missing or at least the rule's days old is rewritten from the file and dated now;
// the ".err" copy also when it is smaller than the file. Nothing happens for a missing file.
// Each copy that cannot be written is returned as an error; the file itself is untouched.
Notices keep_companions(const std::filesystem::path& file, CompanionRule rule);

}  // namespace tabrel
