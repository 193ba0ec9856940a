#include "storage/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <string_view>
#include <utility>

namespace tabrel {

namespace fs = std::filesystem;

namespace {

constexpr size_t kBufferSize = 1 << 16;
// Marks our temporary names, so stale ones are told apart from the user's files.
constexpr std::string_view kTemporaryMarker = ".~tmp";
constexpr size_t kRandomLength = 6;  // the "XXXXXX" of mkostemp

// The new file gets the permissions of the one it replaces, or the usual ones for a new file.
mode_t mode_for(const fs::path& destination) {
    struct stat st {};
    if (stat(destination.c_str(), &st) == 0) return st.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

bool write_all(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n == 0) errno = EIO;  // a write that makes no progress would otherwise read as success
        if (n <= 0) return false;
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

bool is_temporary_name(std::string_view name) {
    const size_t tail = kTemporaryMarker.size() + kRandomLength;
    if (name.size() <= tail + 1 || name.front() != '.') return false;
    if (name.substr(name.size() - tail, kTemporaryMarker.size()) != kTemporaryMarker) return false;
    for (char c : name.substr(name.size() - kRandomLength)) {
        if (!std::isalnum(static_cast<unsigned char>(c))) return false;
    }
    return true;
}

}  // namespace

void remove_stale_temporaries(const fs::path& folder) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code ignored;
        if (is_temporary_name(it->path().filename().string()) &&
            it->symlink_status(ignored).type() == fs::file_type::regular)
            fs::remove(it->path(), ignored);
    }
}

bool sync_folder(const fs::path& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

AtomicFile::AtomicFile(fs::path destination) : destination_(std::move(destination)) {
    // Only a short prefix of the name, so the temporary name stays within the name length limit.
    const std::string prefix = destination_.filename().string().substr(0, 32);
    std::string pattern =
        (destination_.parent_path() / ("." + prefix + std::string(kTemporaryMarker) + "XXXXXX"))
            .string();
    fd_ = mkostemp(pattern.data(), O_CLOEXEC);
    if (fd_ < 0) {
        error_ = errno;
        return;
    }
    temporary_ = pattern;
    if (fchmod(fd_, mode_for(destination_)) != 0) fail();
    buffer_.reserve(kBufferSize);
}

AtomicFile::~AtomicFile() {
    discard();
}

bool AtomicFile::write(std::string_view bytes) {
    if (fd_ < 0 || failed_) return false;
    if (buffer_.size() + bytes.size() > kBufferSize && !flush()) return false;
    if (bytes.size() >= kBufferSize) return write_all(fd_, bytes.data(), bytes.size()) || fail();
    buffer_.append(bytes);
    return true;
}

bool AtomicFile::flush() {
    if (!failed_ && !buffer_.empty() && !write_all(fd_, buffer_.data(), buffer_.size())) fail();
    buffer_.clear();
    return !failed_;
}

bool AtomicFile::fail() {
    failed_ = true;
    if (error_ == 0) error_ = errno;
    return false;
}

bool AtomicFile::commit() {
    if (fd_ < 0 || !flush()) {
        discard();
        return false;
    }
    if (::fsync(fd_) != 0 || ::close(std::exchange(fd_, -1)) != 0 ||
        ::rename(temporary_.c_str(), destination_.c_str()) != 0) {
        fail();
        discard();
        return false;
    }
    temporary_.clear();
    return sync_folder(destination_.parent_path()) || fail();
}

void AtomicFile::discard() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
    temporary_.clear();
}

}  // namespace tabrel
