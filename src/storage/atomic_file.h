#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tabrel {

// A file written in pieces under a temporary name in its destination folder and put in place
// by commit() (fsync, rename, fsync of the folder). Until then the previous file stays whole,
// and a failure or an abandoned write removes the temporary file.
class AtomicFile {
public:
    explicit AtomicFile(std::filesystem::path destination);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    bool is_open() const { return fd_ >= 0; }
    bool write(std::string_view bytes);
    bool commit();
    // The system error of the first failure, 0 while all went well.
    int error() const { return error_; }

private:
    bool flush();
    bool fail();
    void discard();

    std::filesystem::path destination_;
    std::filesystem::path temporary_;
    std::string buffer_;
    int fd_ = -1;
    bool failed_ = false;
    int error_ = 0;
};

// Flushes a folder so that a rename inside it survives a crash.
bool sync_folder(const std::filesystem::path& folder);

// Removes the temporary files that writes killed before their commit left in `folder`. Only
// for a folder nobody else writes in at the moment (the data folder while its lock is held).
void remove_stale_temporaries(const std::filesystem::path& folder);

}  // namespace tabrel
