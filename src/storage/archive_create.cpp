#include <ctime>
#include <fstream>
#include <limits>
#include <set>

#include "storage/archive.h"
#include "storage/archive_format.h"
#include "storage/atomic_file.h"
#include "storage/block_codec.h"
#include "storage/dos_date.h"
#include "storage/file_mask.h"
#include "storage/member_name.h"

namespace tabrel {

namespace fs = std::filesystem;
using namespace archive_format;

namespace {

struct Source {
    fs::path path;
    std::string stored_name;
    uint32_t dos_date = 0;
};

struct Plan {
    std::vector<Source> sources;
    std::vector<fs::path> skipped;  // names the container cannot store
    std::string file_list;
    uint64_t total = 0;
    std::time_t listed_at = 0;  // the file list member's date
};

bool is_the_archive(const fs::path& file, const fs::path& archive) {
    if (file == archive) return true;
    std::error_code ec;
    return fs::equivalent(file, archive, ec);
}

// A plain file name (no mask, no " /s") that is the archive: storing the archive in itself
// would leave an archive of nothing in its place.
bool names_the_archive(const std::string& entry, const fs::path& archive) {
    if (entry.find_first_of("*?") != std::string::npos || entry.ends_with(" /s") ||
        entry.ends_with(" /S"))
        return false;
    std::error_code ec;
    const fs::path file = fs::absolute(entry, ec).lexically_normal();
    return !ec && is_the_archive(file, archive);
}

// Expands the entries into the files to store, in order, and builds the file-list text.
ArchiveError plan_archive(const std::vector<std::string>& entries, const fs::path& archive,
                          Plan& plan, fs::path& failed_file) {
    std::set<fs::path> seen;
    for (const auto& entry : entries) {
        if (names_the_archive(entry, archive)) {
            failed_file = archive;
            return ArchiveError::ArchiveItself;
        }
        for (const auto& file : expand_file_mask(entry)) {
            if (is_the_archive(file, archive) || !seen.insert(file).second) continue;
            auto stored = stored_member_name(file);
            if (!stored) {
                plan.skipped.push_back(file);
                continue;
            }
            std::error_code ec;
            const uint64_t size = fs::file_size(file, ec);
            if (ec) {
                failed_file = file;
                return ArchiveError::FileRead;
            }
            Source source{file, std::move(*stored), dos_date_of_file(file)};
            plan.file_list += source.stored_name + "\t" +
                              std::to_string(static_cast<int32_t>(source.dos_date)) + "=" +
                              std::to_string(size) + "\r\n";
            plan.total += size;
            plan.sources.push_back(std::move(source));
        }
    }
    plan.total += plan.file_list.size();
    return ArchiveError::None;
}

class ContainerWriter {
public:
    ContainerWriter(AtomicFile& out, uint64_t total, const ArchiveProgress& progress)
        : out_(out), total_(total), progress_(progress) {}

    ArchiveError header(int32_t member_count) {
        std::string head;
        put_i32(head, 0);  // the title is always empty
        put_i32(head, static_cast<int32_t>(total_));
        put_i32(head, member_count);
        return put(head);
    }

    ArchiveError member_head(const std::string& name, uint32_t dos_date) {
        std::string head;
        put_i32(head, static_cast<int32_t>(name.size()));
        head += name;
        put_i32(head, static_cast<int32_t>(dos_date));
        head += kSignature;
        return put(head);
    }

    ArchiveError block(std::string_view chunk) {
        std::string length;
        std::string_view body = chunk;
        switch (compressor_.compress(chunk)) {
            case BlockCompressor::Outcome::Failed:
                return ArchiveError::Compression;
            case BlockCompressor::Outcome::Compressed:
                body = compressor_.output();
                put_i32(length, static_cast<int32_t>(body.size()));
                break;
            case BlockCompressor::Outcome::DoesNotFit:
                put_i32(length, -static_cast<int32_t>(chunk.size()));
                break;
        }
        if (put(length) != ArchiveError::None || put(body) != ArchiveError::None)
            return ArchiveError::ArchiveWrite;
        done_ += chunk.size();
        if (progress_) progress_(done_, total_);
        return ArchiveError::None;
    }

    // The block end of a member, or the end mark of the container.
    ArchiveError zero() {
        std::string z;
        put_i32(z, 0);
        return put(z);
    }

private:
    ArchiveError put(std::string_view bytes) {
        return out_.write(bytes) ? ArchiveError::None : ArchiveError::ArchiveWrite;
    }

    AtomicFile& out_;
    BlockCompressor compressor_;
    uint64_t total_;
    uint64_t done_ = 0;
    const ArchiveProgress& progress_;
};

ArchiveError write_text_member(ContainerWriter& writer, std::string_view text,
                               std::time_t written) {
    ArchiveError e = writer.member_head(std::string(kFileListName), pack_dos_date(written));
    for (size_t at = 0; e == ArchiveError::None && at < text.size(); at += kArchiveBlockSize)
        e = writer.block(text.substr(at, kArchiveBlockSize));
    return e == ArchiveError::None ? writer.zero() : e;
}

ArchiveError write_file_member(ContainerWriter& writer, const Source& source) {
    std::ifstream in(source.path, std::ios::binary);
    if (!in) return ArchiveError::FileRead;
    ArchiveError e = writer.member_head(source.stored_name, source.dos_date);
    std::string chunk(kArchiveBlockSize, '\0');
    while (e == ArchiveError::None) {
        in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        if (in.bad()) return ArchiveError::FileRead;
        const auto got = static_cast<size_t>(in.gcount());
        if (got == 0) break;
        e = writer.block(std::string_view(chunk).substr(0, got));
    }
    return e == ArchiveError::None ? writer.zero() : e;
}

ArchiveError write_container(const Plan& plan, const fs::path& archive,
                             const ArchiveProgress& progress, int& system_error,
                             fs::path& failed_file) {
    AtomicFile out(archive);
    if (!out.is_open()) {
        system_error = out.error();
        return ArchiveError::ArchiveWrite;
    }
    ContainerWriter writer(out, plan.total, progress);
    ArchiveError e = writer.header(static_cast<int32_t>(plan.sources.size()));
    if (e == ArchiveError::None) e = write_text_member(writer, plan.file_list, plan.listed_at);
    for (size_t i = 0; e == ArchiveError::None && i < plan.sources.size(); ++i) {
        e = write_file_member(writer, plan.sources[i]);
        if (e == ArchiveError::FileRead) failed_file = plan.sources[i].path;
    }
    if (e == ArchiveError::None) e = writer.zero();
    if (e == ArchiveError::None && !out.commit()) e = ArchiveError::ArchiveWrite;
    if (e == ArchiveError::ArchiveWrite) system_error = out.error();
    return e;
}

}  // namespace

ArchiveResult create_archive(const std::vector<std::string>& names_or_masks,
                             const fs::path& archive, const Clock& clock,
                             const ArchiveProgress& progress) {
    std::error_code ec;
    const fs::path target = fs::absolute(archive, ec).lexically_normal();
    if (ec) return {false, ArchiveError::ArchiveWrite, 0, {}, {}};
    Plan plan;
    plan.listed_at = clock.now();
    ArchiveResult result;
    result.error = plan_archive(names_or_masks, target, plan, result.file);
    // The header holds the total as a signed 32-bit number; a larger one cannot be stored.
    if (result.error == ArchiveError::None && plan.total > std::numeric_limits<int32_t>::max())
        result.error = ArchiveError::ArchiveWrite;
    if (result.error == ArchiveError::None)
        result.error = write_container(plan, target, progress, result.system_error, result.file);
    result.ok = result.error == ArchiveError::None;
    result.skipped = std::move(plan.skipped);
    return result;
}

}  // namespace tabrel
