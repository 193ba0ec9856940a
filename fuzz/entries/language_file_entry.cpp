#include "fuzz_entries.h"
#include "fuzz_support.h"
#include "i18n/format_text.h"
#include "i18n/text.h"
#include "storage/language_file.h"
#include "storage/options.h"

namespace tabrel::fuzz {

// A language file is read, installed and its texts used as captions, messages with their
// arguments and suggestion lists; the built-in texts are put back afterwards.
void language_file(std::string_view bytes) {
    const std::filesystem::path program = fresh_folder("language");
    std::filesystem::create_directories(program / "lang");
    put_file(language_file_path(program, "polski"), bytes);
    const Result<LanguageFile> file = choose_language(program, 1, true);
    expect(file.ok(), "a language file that exists was not read");

    for (const char* window : kLanguageWindows) file->text(window, "Caption");
    file->hint("a_Open");
    for (const auto& [key, text] : language_texts()) format_text(text, {"1", "2"});
    Options options;
    read_suggestions(IniFile{}, "polski", options);
    language_texts().clear();
}

}  // namespace tabrel::fuzz
