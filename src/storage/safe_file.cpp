#include "storage/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

#include "i18n/cp1250.h"

namespace tabrel {

namespace {

// A file descriptor closed when it goes out of scope.
class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    // Closes now so that a failing close can be reported.
    bool close() {
        int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

void set_error(std::string* error, const std::filesystem::path& path, int err) {
    if (!error) return;
    auto name = utf8_to_cp1250(path.string()).value_or(path.filename().string());
    *error = cp("Nie można zapisać pliku ") + name + " (" + std::strerror(err) + ")";
}

bool write_all(int fd, std::string_view data) {
    while (!data.empty()) {
        ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

std::filesystem::path folder_of(const std::filesystem::path& path) {
    auto folder = path.parent_path();
    return folder.empty() ? std::filesystem::path(".") : folder;
}

// A rename is only durable once the folder holding the name is flushed.
bool sync_folder(const std::filesystem::path& folder) {
    Fd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return fd.get() >= 0 && ::fsync(fd.get()) == 0;
}

// Opens a fresh file beside `path`; the name is unique within this process and checked
// against other processes by O_EXCL.
int open_temporary(const std::filesystem::path& path, std::filesystem::path& temp) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = folder_of(path) / ("." + path.filename().string() + ".tmp" +
                                  std::to_string(::getpid()) + "_" + std::to_string(counter++));
        int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

}  // namespace

bool write_file_atomic(const std::filesystem::path& path, std::string_view data,
                       std::string* error) {
    std::filesystem::path temp;
    Fd fd(open_temporary(path, temp));
    if (fd.get() < 0) {
        set_error(error, path, errno);
        return false;
    }
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(fd.get(), old.st_mode & 07777);
    if (!write_all(fd.get(), data) || ::fsync(fd.get()) != 0 || !fd.close()) {
        int err = errno;
        ::unlink(temp.c_str());
        set_error(error, path, err);
        return false;
    }
    if (!replace_file(temp, path, error)) {
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

bool replace_file(const std::filesystem::path& from, const std::filesystem::path& to,
                  std::string* error) {
    if (::rename(from.c_str(), to.c_str()) != 0) {
        set_error(error, to, errno);
        return false;
    }
    if (!sync_folder(folder_of(to))) {
        set_error(error, to, errno);
        return false;
    }
    return true;
}

std::optional<std::string> read_file(const std::filesystem::path& path) {
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) return std::nullopt;
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    std::string data;
    data.reserve(static_cast<size_t>(st.st_size));
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd.get(), buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        if (n == 0) break;
        data.append(buf, static_cast<size_t>(n));
    }
    return data;
}

}  // namespace tabrel
