#include "app/program_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace fs = std::filesystem;

namespace tabrel {

namespace {

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string home_from_user_database() {
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found)
        return {};
    return found->pw_dir ? found->pw_dir : "";
}

bool absolute(const std::string& folder) {
    return !folder.empty() && fs::path(folder).is_absolute();
}

}  // namespace

UserEnvironment UserEnvironment::current() {
    UserEnvironment env{variable("HOME"), variable("XDG_DATA_HOME")};
    if (env.home.empty()) env.home = home_from_user_database();
    return env;
}

std::optional<fs::path> user_data_folder(const UserEnvironment& env) {
    if (absolute(env.xdg_data_home)) return fs::path(env.xdg_data_home) / "Tabrel";
    if (absolute(env.home)) return fs::path(env.home) / ".local" / "share" / "Tabrel";
    return std::nullopt;
}

fs::path installed_resource_folder(const fs::path& program_folder) {
    return (program_folder / TABREL_RESOURCES_FROM_BIN).lexically_normal();
}

std::optional<ProgramFolders> choose_program_folders(const fs::path& program_folder, bool writable,
                                                     const UserEnvironment& env) {
    const fs::path installed = installed_resource_folder(program_folder);
    std::error_code ec;
    const bool installed_layout = fs::is_directory(installed, ec);
    // Data already beside a read-only program stay in use rather than an empty folder elsewhere.
    const bool data_beside = fs::is_directory(program_folder / "dane", ec);
    if ((writable || data_beside) && !installed_layout) return ProgramFolders(program_folder);
    const std::optional<fs::path> user = user_data_folder(env);
    if (!user) return std::nullopt;
    return ProgramFolders(*user, installed_layout ? installed : program_folder);
}

std::optional<ProgramFolders> program_folders(const fs::path& program_folder) {
    const bool writable = ::access(program_folder.c_str(), W_OK) == 0;
    return choose_program_folders(program_folder, writable, UserEnvironment::current());
}

}  // namespace tabrel
