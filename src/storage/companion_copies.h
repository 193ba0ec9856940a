#pragma once

#include <filesystem>

namespace tabrel {

struct Prompter;

// How old the dated copies beside a data file may grow before they are renewed.
struct CompanionRule {
    int bak_days;
    int err_days;  // 0: the file keeps no ".err" copy
};

// Renews the copies file + ".bak" and file + ".err" by the rule before the file is read: a copy
// that is missing or at least the rule's days old is rewritten from the file and dated now;
// the ".err" copy also when it is smaller than the file. Nothing happens for a missing file.
// A copy that cannot be written is reported through the prompter; the file itself is untouched.
void keep_companions(const std::filesystem::path& file, CompanionRule rule, Prompter& prompter);

}  // namespace tabrel
