#include "storage/options_file.h"

#include "i18n/text.h"
#include "storage/safe_file.h"

namespace tabrel {

namespace fs = std::filesystem;

namespace {

template <typename Change>
Status update_options_file(const std::filesystem::path& data_folder, Change change) {
    IniFile file = load_options_file(data_folder);
    change(file);
    return store_options_file(data_folder, file);
}

}  // namespace

IniFile load_options_file(const std::filesystem::path& data_folder) {
    return IniFile::parse(read_file(data_folder / kOptionsFileName).value_or(""));
}

bool options_file_unreadable(const std::filesystem::path& data_folder) {
    const auto path = data_folder / kOptionsFileName;
    std::error_code ec;
    return fs::exists(path, ec) && !read_file(path);
}

Status store_options_file(const std::filesystem::path& data_folder, const IniFile& file) {
    if (options_file_unreadable(data_folder)) {
        return Status::failure(
            tr("msg_CannotReadFile", "Nie można odczytać pliku ") + kOptionsFileName +
            tr("msg_OptionsKept", ". Ustawienia nie zostały w nim zapisane, aby go nie nadpisać."));
    }
    return write_file_atomic(data_folder / kOptionsFileName, file.text());
}

Status zapisz_opcje(const std::filesystem::path& data_folder, const Options& options,
                    std::string_view language, bool group_editor_open) {
    return update_options_file(data_folder, [&](IniFile& file) {
        write_options(file, options, language, group_editor_open);
    });
}

Status save_exit_state(const std::filesystem::path& data_folder, const Options& options,
                       const Locale& locale) {
    return update_options_file(data_folder,
                               [&](IniFile& file) { write_exit_state(file, options, locale); });
}

}  // namespace tabrel
