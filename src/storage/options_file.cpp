#include "storage/options_file.h"

#include "storage/safe_file.h"

namespace tabrel {

namespace {

template <typename Change>
bool update_options_file(const std::filesystem::path& data_folder, Change change,
                         std::string* error) {
    IniFile file = load_options_file(data_folder);
    change(file);
    return store_options_file(data_folder, file, error);
}

}  // namespace

IniFile load_options_file(const std::filesystem::path& data_folder) {
    return IniFile::parse(read_file(data_folder / kOptionsFileName).value_or(""));
}

bool store_options_file(const std::filesystem::path& data_folder, const IniFile& file,
                        std::string* error) {
    return write_file_atomic(data_folder / kOptionsFileName, file.text(), error);
}

bool zapisz_opcje(const std::filesystem::path& data_folder, const Options& options,
                  std::string_view language, bool group_editor_open, std::string* error) {
    return update_options_file(
        data_folder,
        [&](IniFile& file) { write_options(file, options, language, group_editor_open); }, error);
}

bool save_exit_state(const std::filesystem::path& data_folder, const Options& options,
                     const Locale& locale, std::string* error) {
    return update_options_file(
        data_folder, [&](IniFile& file) { write_exit_state(file, options, locale); }, error);
}

}  // namespace tabrel
