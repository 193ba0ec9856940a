#include "storage/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "storage/atomic_file.h"
#include "storage/write_failure.h"

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

private:
    int fd_;
};

Status failure(const std::filesystem::path& path, int err) {
    return Status::failure(write_failure_text(path, err));
}

}  // namespace

Status write_file_atomic(const std::filesystem::path& path, std::string_view data) {
    AtomicFile file(path);
    if (file.write(data) && file.commit()) return {};
    return failure(path, file.error());
}

Status replace_file(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (::rename(from.c_str(), to.c_str()) != 0) return failure(to, errno);
    if (!sync_folder(to.parent_path())) return failure(to, errno);
    return {};
}

std::optional<std::string> read_file(const std::filesystem::path& path) {
    // Without O_NONBLOCK a pipe in place of the file would wait for a writer forever.
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
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
