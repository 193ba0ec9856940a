#pragma once

#include <span>
#include <string_view>

namespace tabrel::fuzz {

// Each entry feeds one input to a reader the program uses on files from outside, the way the
// program calls it, and aborts when the reader breaks a promise a user relies on (a file
// written outside its folder, data that change on a second save). Refusals are fine.
void archive(std::string_view bytes);
void group_file(std::string_view bytes);
void staff_file(std::string_view bytes);
void month_file(std::string_view bytes);
void options_file(std::string_view bytes);
void legacy_file(std::string_view bytes);
void language_file(std::string_view bytes);
void template_header(std::string_view bytes);
void template_body(std::string_view bytes);

struct Entry {
    const char* name;  // also the folder of its stored inputs
    void (*run)(std::string_view bytes);
};

std::span<const Entry> entries();

}  // namespace tabrel::fuzz
