#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "base/prompter.h"

namespace tabrel::test {

// A prompter that records every text and answers questions from a queue (default: yes).
struct FakePrompter : Prompter {
    std::vector<std::string> asked, informed, errors;
    std::deque<bool> answers;
    std::function<void(const std::string&)> on_ask;  // runs before each question is answered

    bool ask(const std::string& text) override;
    void inform(const std::string& text) override { informed.push_back(text); }
    void error(const std::string& text) override { errors.push_back(text); }
};

// A fresh empty folder under the system's temporary folder, removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// What a run of the built tabrel-cli printed and returned.
struct CliRun {
    int status;
    std::string out;
    std::string err;
};

// Runs tabrel-cli with the given (already quoted) arguments.
CliRun run_cli(const std::string& args);
// Runs tabrel-cli on a data folder: tabrel-cli --data DATA args.
CliRun run_cli(const std::filesystem::path& data, const std::string& args);

// Whole-file helpers for byte-exact checks.
std::string slurp(const std::filesystem::path& p);
void spit(const std::filesystem::path& p, const std::string& bytes);

}  // namespace tabrel::test
