#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "base/status.h"
#include "storage/ini_file.h"
#include "storage/options.h"

namespace tabrel {

inline constexpr const char* kOptionsFileName = "konfiguracja.ini";

// konfiguracja.ini of the data folder; an empty file when there is none.
IniFile load_options_file(const std::filesystem::path& data_folder);

// True when konfiguracja.ini is there but cannot be read; such a file is never written over.
bool options_file_unreadable(const std::filesystem::path& data_folder);

// Replaces konfiguracja.ini atomically. Fails when it cannot be written or when the file on
// disk could not be read (its settings would be lost).
Status store_options_file(const std::filesystem::path& data_folder, const IniFile& file);

// "Zapisz" of the configuration dialog: the settings go into the file as it is on disk now,
// every other section and line of it kept.
Status zapisz_opcje(const std::filesystem::path& data_folder, const Options& options,
                    std::string_view language, bool group_editor_open);

// At exit: "last_backup" and the window geometry, the rest of the file kept.
Status save_exit_state(const std::filesystem::path& data_folder, const Options& options,
                       const Locale& locale);

}  // namespace tabrel
