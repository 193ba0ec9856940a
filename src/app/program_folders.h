#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace tabrel {

// Where the program writes (its work folder: dane/, wydruki/ and the templates the user edits)
// and where it finds the files it ships (templates/ and lang/).
struct ProgramFolders {
    // The portable layout: everything beside the program. Implicit, since a single folder is
    // the whole layout.
    ProgramFolders(const std::filesystem::path& program_folder)
        : work(program_folder), resources(program_folder) {}
    ProgramFolders(std::filesystem::path work_folder, std::filesystem::path resource_folder)
        : work(std::move(work_folder)), resources(std::move(resource_folder)) {}

    std::filesystem::path work;
    std::filesystem::path resources;
};

// The environment variables that place the user's own data folder.
struct UserEnvironment {
    std::string home;
    std::string xdg_data_home;

    // This process's variables; a missing HOME is taken from the user database.
    static UserEnvironment current();
};

// $XDG_DATA_HOME/Tabrel, else $HOME/.local/share/Tabrel. A relative value counts as unset, as
// the XDG rules say; nothing when no absolute folder is left.
std::optional<std::filesystem::path> user_data_folder(const UserEnvironment& env);

// An installed copy's shipped files, reached from the folder holding the program.
std::filesystem::path installed_resource_folder(const std::filesystem::path& program_folder);

// A copy is portable when its folder is writable or already holds dane/, and no installed share
// folder lies beside it; otherwise it is installed and works in the user's data folder. An
// installed program must never write into bin/, even for root, who may write there. Nothing when an
// installed copy finds no user data folder.
std::optional<ProgramFolders> choose_program_folders(const std::filesystem::path& program_folder,
                                                     bool writable, const UserEnvironment& env);

// choose_program_folders for the running program and its environment.
std::optional<ProgramFolders> program_folders(const std::filesystem::path& program_folder);

}  // namespace tabrel
