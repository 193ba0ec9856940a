#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "base/prompter.h"

namespace tabrel::fuzz {

// Answers every question with yes and drops every message, as a user clicking through would.
struct QuietPrompter : Prompter {
    bool ask(const std::string&) override { return true; }
    void inform(const std::string&) override {}
    void error(const std::string&) override {}
};

// An empty folder `name` in this process's scratch folder (in memory where the system has
// /dev/shm, so the many small writes of a run stay cheap). Its old contents are removed.
std::filesystem::path fresh_folder(std::string_view name);

// Writes the input as a file.
void put_file(const std::filesystem::path& path, std::string_view bytes);

// Stops the run with the message when a promise was broken.
void expect(bool holds, const char* what);
// The same for two texts that must be equal; the report shows where they part.
void expect_same(const std::string& first, const std::string& second, const char* what);

}  // namespace tabrel::fuzz
