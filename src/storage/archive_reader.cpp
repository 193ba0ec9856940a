#include "storage/archive_reader.h"

#include <fstream>
#include <optional>

#include "storage/archive_format.h"
#include "storage/block_codec.h"

namespace tabrel {

namespace fs = std::filesystem;
using namespace archive_format;

namespace {

// Sequential reads that never go past the size the file had when it was opened.
class BoundedInput {
public:
    bool open(const fs::path& file) {
        std::error_code ec;
        const auto size = fs::file_size(file, ec);
        if (ec) return false;
        in_.open(file, std::ios::binary);
        left_ = size;
        return in_.is_open();
    }

    uint64_t left() const { return left_; }

    bool read(size_t n, std::string& out) {
        if (n > left_) return false;
        out.resize(n);
        if (!in_.read(out.data(), static_cast<std::streamsize>(n))) return false;
        left_ -= n;
        return true;
    }

    bool skip(uint64_t n) {
        if (n > left_ || !in_.seekg(static_cast<std::streamoff>(n), std::ios::cur)) return false;
        left_ -= n;
        return true;
    }

    std::optional<int32_t> read_i32() {
        if (!read(4, four_)) return std::nullopt;
        return get_i32(four_);
    }

private:
    std::ifstream in_;
    uint64_t left_ = 0;
    std::string four_;
};

class ArchiveWalk {
public:
    ArchiveWalk(MemberVisitor& visitor, const ArchiveProgress& progress)
        : visitor_(visitor), progress_(progress) {}

    ArchiveError run(const fs::path& archive) {
        if (!in_.open(archive)) return ArchiveError::ArchiveRead;
        if (ArchiveError e = read_header(); e != ArchiveError::None) return e;
        for (;;) {
            const auto name_length = in_.read_i32();
            if (!name_length) return ArchiveError::ArchiveRead;
            if (*name_length == 0) return ArchiveError::None;
            if (ArchiveError e = read_member(*name_length); e != ArchiveError::None) return e;
        }
    }

private:
    ArchiveError read_header() {
        const auto title_length = in_.read_i32();
        if (!title_length || *title_length < 0 || !in_.skip(*title_length))
            return ArchiveError::ArchiveRead;
        const auto total = in_.read_i32();
        const auto count = in_.read_i32();
        if (!total || !count || *total < 0 || *count < 0) return ArchiveError::ArchiveRead;
        total_ = static_cast<uint64_t>(*total);
        return ArchiveError::None;
    }

    ArchiveError read_member(int32_t name_length) {
        std::string name;
        if (name_length < 0 || name_length > kMaxNameLength || !in_.read(name_length, name))
            return ArchiveError::ArchiveRead;
        // Continuation volumes are never written, so such a mark means a foreign archive.
        if (name.starts_with(kNextDiskPrefix)) return ArchiveError::ArchiveRead;
        const auto date = in_.read_i32();
        std::string signature;
        if (!date || !in_.read(kSignature.size(), signature)) return ArchiveError::ArchiveRead;
        const bool skipped = name == kFileListName;
        if (signature != kSignature)
            return skipped ? ArchiveError::InvalidType : ArchiveError::FileRead;
        if (!skipped) {
            const ArchiveError e = visitor_.begin_member(name, static_cast<uint32_t>(*date));
            if (e != ArchiveError::None) return e;
        }
        if (ArchiveError e = read_blocks(skipped); e != ArchiveError::None) return e;
        return skipped ? ArchiveError::None : visitor_.end_member();
    }

    ArchiveError read_blocks(bool skipped) {
        for (;;) {
            const auto length = in_.read_i32();
            if (!length) return ArchiveError::ArchiveRead;
            if (*length == 0) return ArchiveError::None;
            const bool raw = *length < 0;
            const int64_t size = raw ? -static_cast<int64_t>(*length) : *length;
            const int64_t limit =
                raw ? static_cast<int64_t>(kArchiveBlockSize) : kMaxCompressedBlock;
            if (size > limit || !in_.read(static_cast<size_t>(size), bytes_))
                return ArchiveError::ArchiveRead;
            if (skipped) continue;
            if (ArchiveError e = deliver(raw); e != ArchiveError::None) return e;
        }
    }

    ArchiveError deliver(bool raw) {
        std::string_view out = bytes_;
        if (!raw) {
            const auto outcome = inflater_.inflate(bytes_);
            if (outcome == BlockInflater::Outcome::Corrupt) return ArchiveError::ArchiveRead;
            if (outcome == BlockInflater::Outcome::Failed) return ArchiveError::Compression;
            out = inflater_.output();
        }
        if (ArchiveError e = visitor_.append(out); e != ArchiveError::None) return e;
        done_ += out.size();
        if (progress_) progress_(done_, total_);
        return ArchiveError::None;
    }

    MemberVisitor& visitor_;
    const ArchiveProgress& progress_;
    BoundedInput in_;
    BlockInflater inflater_;
    std::string bytes_;
    uint64_t total_ = 0;
    uint64_t done_ = 0;
};

}  // namespace

ArchiveResult read_archive(const fs::path& archive, MemberVisitor& visitor,
                           const ArchiveProgress& progress) {
    std::error_code ec;
    const bool there = fs::exists(archive, ec);
    if (ec) return {false, ArchiveError::ArchiveRead, 0, {}, {}};
    if (!there) return {false, ArchiveError::None, 0, {}, {}};
    ArchiveWalk walk(visitor, progress);
    const ArchiveError e = walk.run(archive);
    return {e == ArchiveError::None, e, 0, {}, {}};
}

}  // namespace tabrel
