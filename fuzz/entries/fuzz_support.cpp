#include "fuzz_support.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace tabrel::fuzz {

namespace fs = std::filesystem;

namespace {

fs::path scratch_base() {
    std::error_code ec;
    if (fs::is_directory("/dev/shm", ec)) return "/dev/shm";
    return fs::temp_directory_path();
}

// Removed when the process ends normally; a crash leaves it for the finding's inspection.
class Scratch {
public:
    Scratch() : path_(scratch_base() / ("tabrel-fuzz-" + std::to_string(getpid()))) {}
    ~Scratch() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

}  // namespace

fs::path fresh_folder(std::string_view name) {
    static const Scratch scratch;
    const fs::path folder = scratch.path() / name;
    std::error_code ec;
    fs::remove_all(folder, ec);
    fs::create_directories(folder);
    return folder;
}

void put_file(const fs::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    expect(out.good(), "the input could not be written to the scratch folder");
}

void expect(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "fuzz finding: %s\n", what);
    std::abort();
}

void expect_same(const std::string& first, const std::string& second, const char* what) {
    if (first == second) return;
    const size_t at = static_cast<size_t>(
        std::mismatch(first.begin(), first.end(), second.begin(), second.end()).first -
        first.begin());
    const size_t from = at < 80 ? 0 : at - 80;
    std::fprintf(stderr, "first:\n%s\nsecond:\n%s\n", first.substr(from, 240).c_str(),
                 second.substr(from, 240).c_str());
    expect(false, what);
}

}  // namespace tabrel::fuzz
