#include "fuzz_entries.h"
#include "fuzz_support.h"
#include "storage/options_file.h"

namespace tabrel::fuzz {

namespace {

constexpr Date kToday{2024, 5, 31};
constexpr const char* kLanguage = "polski";

// The file after the program read it and saved it with the configuration dialog and at exit.
std::string saved_after_load(const IniFile& file) {
    const Locale locale;
    Options options = read_options(file, locale, kToday);
    read_suggestions(file, kLanguage, options);
    IniFile saved = file;
    write_options(saved, options, kLanguage, false);
    write_exit_state(saved, options, locale);
    return saved.text();
}

}  // namespace

// Settings read from any file must be written so that they read back the same.
void options_file(std::string_view bytes) {
    const std::filesystem::path folder = fresh_folder("options");
    put_file(folder / kOptionsFileName, bytes);
    const std::string saved = saved_after_load(load_options_file(folder));
    expect_same(saved, saved_after_load(IniFile::parse(saved)),
                "konfiguracja.ini changed on a second load and save");
}

}  // namespace tabrel::fuzz
