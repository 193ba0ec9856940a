#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>

#include "support/test_support.h"

namespace tabrel::test {

// Runs `work` in a child process in which every write that would make a file larger than
// `max_bytes` fails (as on a full disk), without the signal that would end the process.
// The child's exit status: 0 when `work` returned true, 1 when false, -1 when it died.
int run_with_file_limit(size_t max_bytes, const std::function<bool()>& work);

// tabrel-cli --data DATA args under the same limit; its standard output is dropped, what it
// wrote to standard error is returned.
CliRun run_cli_with_file_limit(const std::filesystem::path& data, const std::string& args,
                               size_t max_bytes);

}  // namespace tabrel::test
