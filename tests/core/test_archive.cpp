#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <random>

#include "i18n/cp1250.h"
#include "storage/archive.h"
#include "storage/dos_date.h"
#include "storage/file_mask.h"
#include "support/test_support.h"

namespace tabrel {
namespace {

namespace fs = std::filesystem;
using test::slurp;
using test::spit;
using test::TempDir;

// --- reading the container bytes independently of the reader under test ---

struct Block {
    int32_t length = 0;
    std::string bytes;
};

struct Member {
    std::string name;
    int32_t date = 0;
    std::string signature;
    std::vector<Block> blocks;
    size_t block_end_at = 0;
};

struct Parsed {
    int32_t title_length = -1, total = -1, count = -1;
    std::vector<Member> members;
    size_t end_mark_at = 0;
};

int32_t i32_at(const std::string& a, size_t& at) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(a.at(at + i));
    at += 4;
    return static_cast<int32_t>(v);
}

Parsed parse(const std::string& a) {
    Parsed p;
    size_t at = 0;
    p.title_length = i32_at(a, at);
    at += p.title_length;
    p.total = i32_at(a, at);
    p.count = i32_at(a, at);
    for (int32_t n; (n = i32_at(a, at)) != 0;) {
        Member m;
        m.name = a.substr(at, n);
        at += n;
        m.date = i32_at(a, at);
        m.signature = a.substr(at, 4);
        at += 4;
        for (int32_t l; (l = i32_at(a, at)) != 0;) {
            m.blocks.push_back({l, a.substr(at, std::abs(l))});
            at += std::abs(l);
        }
        m.block_end_at = at - 4;
        p.members.push_back(m);
    }
    p.end_mark_at = at - 4;
    return p;
}

std::string inflate_alone(const std::string& stream) {
    std::string out(16384, '\0');
    uLongf size = out.size();
    EXPECT_EQ(uncompress(reinterpret_cast<Bytef*>(out.data()), &size,
                         reinterpret_cast<const Bytef*>(stream.data()), stream.size()),
              Z_OK);
    out.resize(size);
    return out;
}

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// --- building hostile containers by hand ---

// A folder as archives store it: lower case, "\\" between the parts.
std::string stored_folder(const fs::path& folder) {
    std::string s = lower(folder.string());
    std::replace(s.begin(), s.end(), '/', '\\');
    return s;
}

std::string i32(int32_t v) {
    std::string s;
    for (int i = 0; i < 4; ++i) s += static_cast<char>(static_cast<uint32_t>(v) >> (8 * i));
    return s;
}

const std::string kSig("EC2\0", 4);

std::string raw_block(const std::string& bytes) {
    return i32(-static_cast<int32_t>(bytes.size())) + bytes;
}

std::string zlib_block(const std::string& bytes) {
    std::string out(compressBound(bytes.size()), '\0');
    uLongf size = out.size();
    compress2(reinterpret_cast<Bytef*>(out.data()), &size,
              reinterpret_cast<const Bytef*>(bytes.data()), bytes.size(), 1);
    out.resize(size);
    return i32(static_cast<int32_t>(size)) + out;
}

std::string member(const std::string& name, const std::string& blocks,
                   const std::string& sig = kSig) {
    return i32(static_cast<int32_t>(name.size())) + name + i32(0x58000000) + sig + blocks + i32(0);
}

// A container with a file list and the given data members, then the end mark.
std::string container(const std::string& data_members) {
    return i32(0) + i32(100) + i32(1) + member("FILE:LIST", raw_block("list")) + data_members +
           i32(0);
}

std::vector<std::string> names_in(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

void use_utc() {
    setenv("TZ", "UTC", 1);
    tzset();
}

void set_mtime(const fs::path& p, std::time_t t) {
    const timespec times[2] = {{t, 0}, {t, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, p.c_str(), times, 0), 0);
}

std::string text_of_size(size_t n) {
    std::string s;
    for (int i = 0; s.size() < n; ++i)
        s += "p\xA4" + std::to_string(i) +
             "\xA4Kowalska\xA4"
             "Anna\xA4"
             "100\xA4\x31\r\n";
    s.resize(n);
    return s;
}

std::string random_bytes(size_t n) {
    std::mt19937 gen(7);
    std::string s(n, '\0');
    for (char& c : s) c = static_cast<char>(gen());
    return s;
}

// --- round trips and the exact layout ---

TEST(Archive, SmallFileGivesExactHeaderFileListAndMember) {
    use_utc();
    TempDir dir;
    fs::create_directory(dir / "Dane");
    const fs::path file = dir / "Dane" / "KADRA.ini";
    spit(file, "hello");
    set_mtime(file, 1710498030);  // 2024-03-15 10:20:30
    const fs::path archive = dir / "kadra.inr";

    ASSERT_TRUE(create_archive({file.string()}, archive, system_clock()).ok);

    const std::string stored = stored_folder(dir.path()) + "\\dane\\kadra.ini";
    const std::string list = stored + "\t1483690639=5\r\n";
    const std::string bytes = slurp(archive);
    const Parsed p = parse(bytes);
    EXPECT_EQ(bytes.substr(0, 12), i32(0) + i32(5 + list.size()) + i32(1));
    ASSERT_EQ(p.members.size(), 2u);
    EXPECT_EQ(bytes.substr(12, 13), i32(9) + "FILE:LIST");
    EXPECT_EQ(p.members[0].signature, kSig);
    ASSERT_EQ(p.members[0].blocks.size(), 1u);
    EXPECT_EQ(inflate_alone(p.members[0].blocks[0].bytes), list);
    EXPECT_EQ(p.members[1].name, stored);
    EXPECT_EQ(p.members[1].date, 1483690639);
    EXPECT_EQ(p.members[1].signature, kSig);
    ASSERT_EQ(p.members[1].blocks.size(), 1u);
    EXPECT_EQ(inflate_alone(p.members[1].blocks[0].bytes), "hello");
    EXPECT_EQ(p.end_mark_at, bytes.size() - 4);

    std::vector<ArchiveMember> listed;
    ASSERT_TRUE(list_archive(archive, listed).ok);
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].name, stored);
    EXPECT_EQ(listed[0].dos_date, 1483690639u);
    EXPECT_EQ(listed[0].size, 5u);
}

TEST(Archive, FortyThousandBytesMakeThreeBlocksEachInflatingAlone) {
    TempDir dir;
    const std::string text = text_of_size(40000);
    spit(dir / "big.txt", text);
    std::vector<std::pair<uint64_t, uint64_t>> progress;
    ASSERT_TRUE(
        create_archive({(dir / "big.txt").string()}, dir / "a.bak", system_clock(),
                       [&](uint64_t done, uint64_t total) { progress.emplace_back(done, total); })
            .ok);

    const Parsed p = parse(slurp(dir / "a.bak"));
    ASSERT_EQ(p.members.size(), 2u);
    const auto& blocks = p.members[1].blocks;
    ASSERT_EQ(blocks.size(), 3u);
    const size_t sizes[] = {16384, 16384, 7232};
    std::string joined;
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_GT(blocks[i].length, 0);
        const std::string part = inflate_alone(blocks[i].bytes);
        EXPECT_EQ(part.size(), sizes[i]);
        joined += part;
    }
    EXPECT_EQ(joined, text);
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.back().first, progress.back().second);
    EXPECT_EQ(progress.back().second, static_cast<uint64_t>(p.total));

    ASSERT_TRUE(extract_archive(dir / "a.bak", dir / "out" / "deeper").ok);
    EXPECT_EQ(slurp(dir / "out" / "deeper" / "big.txt"), text);
}

TEST(Archive, EmptyFileIsSignatureThenBlockEndAndIncompressibleChunkIsStoredRaw) {
    TempDir dir;
    spit(dir / "empty.ini", "");
    const std::string noise = random_bytes(20000);
    spit(dir / "noise.dat", noise);
    ASSERT_TRUE(create_archive({(dir / "empty.ini").string(), (dir / "noise.dat").string()},
                               dir / "a.bak", system_clock())
                    .ok);

    const std::string bytes = slurp(dir / "a.bak");
    const Parsed p = parse(bytes);
    ASSERT_EQ(p.members.size(), 3u);
    const Member& empty = p.members[1];
    EXPECT_TRUE(empty.blocks.empty());
    EXPECT_EQ(bytes.substr(empty.block_end_at - 8, 12), i32(empty.date) + kSig + i32(0));
    const Member& raw = p.members[2];
    ASSERT_EQ(raw.blocks.size(), 2u);
    EXPECT_EQ(raw.blocks[0].length, -16384);
    EXPECT_EQ(raw.blocks[0].bytes, noise.substr(0, 16384));

    fs::create_directory(dir / "out");
    spit(dir / "out" / "empty.ini", "old contents");
    ASSERT_TRUE(extract_archive(dir / "a.bak", dir / "out").ok);
    EXPECT_EQ(slurp(dir / "out" / "noise.dat"), noise);
    EXPECT_EQ(slurp(dir / "out" / "empty.ini"), "");
}

TEST(Archive, PolishFileNameIsStoredInCp1250LowerCaseAndRestored) {
    TempDir dir;
    const fs::path file = dir / "Grafik_ŁÓDŹ.ini";
    spit(file, "x");
    ASSERT_TRUE(create_archive({file.string()}, dir / "a.bak", system_clock()).ok);
    std::vector<ArchiveMember> listed;
    ASSERT_TRUE(list_archive(dir / "a.bak", listed).ok);
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_TRUE(listed[0].name.ends_with("\\grafik_\xB3\xF3\x64\x9F.ini"));
    ASSERT_TRUE(extract_archive(dir / "a.bak", dir / "out").ok);
    EXPECT_EQ(slurp(dir / "out" / "grafik_łódź.ini"), "x");
}

// --- lists, masks and what gets skipped ---

TEST(Archive, MasksIncludeHiddenFilesSkipDuplicatesAndTheArchiveAndDescendWithS) {
    TempDir dir;
    const fs::path d = dir / "dane";
    fs::create_directories(d / "sub" / "deeper");
    for (const char* name : {"a.ini", "B.INI", ".hidden.ini", "c.tbr", "x.txt", "sub/d.ini",
                             "sub/deeper/e.ini", "sub/f.tbr"})
        spit(d / name, name);
    const fs::path archive = d / "backup.ini";  // matches its own mask
    spit(archive, "previous");
    auto stored = [&](const std::vector<std::string>& entries) {
        EXPECT_TRUE(create_archive(entries, archive, system_clock()).ok);
        std::vector<ArchiveMember> listed;
        EXPECT_TRUE(list_archive(archive, listed).ok);
        std::vector<std::string> names;
        for (const auto& m : listed) names.push_back(m.name.substr(stored_folder(d).size()));
        EXPECT_EQ(parse(slurp(archive)).count, static_cast<int32_t>(names.size()));
        return names;
    };

    EXPECT_EQ(stored({(d / "*.ini").string(), (d / "*.tbr").string()}),
              (std::vector<std::string>{"\\.hidden.ini", "\\b.ini", "\\a.ini", "\\c.tbr"}));
    EXPECT_EQ(stored({(d / "*.ini /s").string()}),
              (std::vector<std::string>{"\\.hidden.ini", "\\b.ini", "\\a.ini", "\\sub\\d.ini",
                                        "\\sub\\deeper\\e.ini"}));
    EXPECT_EQ(stored({(d / "a.ini").string(), (d / "*.INI").string(),
                      (d / "sub" / ".." / "a.ini").string(), (d / "nothing.ini").string()}),
              (std::vector<std::string>{"\\a.ini", "\\.hidden.ini", "\\b.ini"}));
}

TEST(FileMask, StarAndQuestionMarkMatchInEitherLetterCase) {
    EXPECT_TRUE(mask_matches("*.ini", "Kadra.INI"));
    EXPECT_TRUE(mask_matches("*.*", "README"));
    EXPECT_TRUE(mask_matches("20??_*.tbr", "2025_01.tbr"));
    EXPECT_TRUE(mask_matches("*a*a*", "banana"));
    EXPECT_FALSE(mask_matches("*.ini", "kadra.ini.bak"));
    EXPECT_FALSE(mask_matches("20??_*.tbr", "202_01.tbr"));
    EXPECT_FALSE(mask_matches("a?", "a"));
}

// --- failures leave the old files whole ---

TEST(Archive, FailedCreationKeepsThePreviousArchive) {
    TempDir dir;
    spit(dir / "a.ini", text_of_size(40000));
    spit(dir / "b.ini", "b");
    ASSERT_TRUE(create_archive({(dir / "b.ini").string()}, dir / "x.bak", system_clock()).ok);
    const std::string previous = slurp(dir / "x.bak");

    // A file that vanishes while the archive is being written.
    const auto result = create_archive({(dir / "*.ini").string()}, dir / "x.bak", system_clock(),
                                       [&](uint64_t, uint64_t) { fs::remove(dir / "b.ini"); });
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, ArchiveError::FileRead);
    EXPECT_EQ(result.file, dir / "b.ini");
    EXPECT_EQ(archive_failure_text(result, dir / "x.bak"),
              cp("Błąd odczytu pliku: ") + (dir / "b.ini").string());
    EXPECT_EQ(slurp(dir / "x.bak"), previous);

    // A folder that does not exist.
    EXPECT_EQ(
        create_archive({(dir / "a.ini").string()}, dir / "none" / "x.bak", system_clock()).error,
        ArchiveError::ArchiveWrite);
    EXPECT_EQ(slurp(dir / "x.bak"), previous);
    EXPECT_EQ(names_in(dir.path()), (std::vector<std::string>{"a.ini", "x.bak"}));
}

TEST(Archive, UnstorableNamesAreLeftOutAndTheArchiveIsNoInputOfItself) {
    TempDir dir;
    for (const char* name : {"a.ini", "back\\slash.ini", "Łódź.ini", "日本.ini"})
        spit(dir / name, "x");
    const ArchiveResult some =
        create_archive({(dir / "*.ini").string()}, dir / "x.bak", system_clock());
    ASSERT_TRUE(some.ok);
    EXPECT_EQ(some.skipped, (std::vector<fs::path>{dir / "back\\slash.ini", dir / "日本.ini"}));
    EXPECT_EQ(skipped_files_text(some),
              cp("Pominięto pliki, których nazw nie można zapisać w archiwum:\r\n") +
                  (dir / "back\\slash.ini").string() + "\r\n" + (dir / "??.ini").string());
    ASSERT_TRUE(extract_archive(dir / "x.bak", dir / "out").ok);
    EXPECT_EQ(names_in(dir / "out"), (std::vector<std::string>{"a.ini", "łódź.ini"}));

    const std::string previous = slurp(dir / "x.bak");
    for (const fs::path& itself : {dir / "x.bak", dir / "sub" / ".." / "x.bak"}) {
        const ArchiveResult r = create_archive({(dir / "a.ini").string(), itself.string()},
                                               dir / "x.bak", system_clock());
        EXPECT_EQ(r.error, ArchiveError::ArchiveItself) << itself;
        EXPECT_EQ(archive_failure_text(r, dir / "x.bak"),
                  cp("Archiwum nie może zawierać samego siebie: ") + (dir / "x.bak").string());
    }
    EXPECT_EQ(slurp(dir / "x.bak"), previous);
}

TEST(Archive, MissingArchiveIsNoErrorAndWritesNothing) {
    TempDir dir;
    const auto r = extract_archive(dir / "none.inr", dir / "out");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, ArchiveError::None);
    EXPECT_FALSE(fs::exists(dir / "out"));
}

// --- malformed and hostile containers ---

struct Outcome {
    ArchiveError error;
    std::vector<std::string> root;    // what lies beside the target folder
    std::vector<std::string> target;  // what lies in it
};

// Extracts `bytes` into root/target, where root holds nothing else to begin with.
Outcome extract_bytes(const std::string& bytes, const std::string& keep = {}) {
    TempDir dir;
    spit(dir / "a.bak", bytes);
    fs::create_directories(dir / "root" / "target");
    if (!keep.empty()) spit(dir / "root" / "target" / "x", keep);
    const auto r = extract_archive(dir / "a.bak", dir / "root" / "target");
    EXPECT_EQ(r.ok, r.error == ArchiveError::None);
    Outcome o{r.error, names_in(dir / "root"), names_in(dir / "root" / "target")};
    if (!keep.empty()) {
        EXPECT_EQ(slurp(dir / "root" / "target" / "x"), r.ok ? "data" : keep);
    }
    return o;
}

TEST(ArchiveMalformed, EveryTruncationFailsCleanlyKeepingOnlyWholeMembers) {
    TempDir dir;
    spit(dir / "one.ini", "first member");
    spit(dir / "two.ini", text_of_size(60));
    ASSERT_TRUE(create_archive({(dir / "one.ini").string(), (dir / "two.ini").string()},
                               dir / "a.bak", system_clock())
                    .ok);
    const std::string whole = slurp(dir / "a.bak");
    const Parsed p = parse(whole);
    const size_t one_ends = p.members[1].block_end_at + 4;
    const size_t two_ends = p.members[2].block_end_at + 4;
    for (size_t cut = 0; cut < whole.size(); ++cut) {
        SCOPED_TRACE(cut);
        const Outcome o = extract_bytes(whole.substr(0, cut));
        EXPECT_EQ(o.error, ArchiveError::ArchiveRead);
        EXPECT_EQ(o.root, std::vector<std::string>{"target"});
        std::vector<std::string> whole_members;
        if (cut >= one_ends) whole_members.push_back("one.ini");
        if (cut >= two_ends) whole_members.push_back("two.ini");
        EXPECT_EQ(o.target, whole_members);
        std::vector<ArchiveMember> listed;
        spit(dir / "cut.bak", whole.substr(0, cut));
        EXPECT_EQ(list_archive(dir / "cut.bak", listed).error, ArchiveError::ArchiveRead);
    }
}

TEST(ArchiveMalformed, LengthsBeyondTheFileOrTheBlockSizeAreRefused) {
    const std::string x = member("x", raw_block("data"));
    EXPECT_EQ(extract_bytes(i32(0x7FFFFFFF) + i32(0) + i32(0) + i32(0)).error,
              ArchiveError::ArchiveRead);
    EXPECT_EQ(extract_bytes(i32(-4) + i32(0) + i32(0) + i32(0)).error, ArchiveError::ArchiveRead);
    EXPECT_EQ(extract_bytes(i32(0) + i32(0) + i32(-1) + i32(0)).error, ArchiveError::ArchiveRead);
    EXPECT_EQ(extract_bytes(container(i32(-5) + "x")).error, ArchiveError::ArchiveRead);
    EXPECT_EQ(extract_bytes(container(i32(0x7FFFFFF0) + "x")).error, ArchiveError::ArchiveRead);
    for (int32_t length : {0x40000000, -0x7FFFFFFF - 1}) {
        SCOPED_TRACE(length);
        const Outcome o = extract_bytes(container(member("x", i32(length) + "short")), "kept");
        EXPECT_EQ(o.error, ArchiveError::ArchiveRead);
    }
    // A raw block one byte longer than any chunk, though the file holds all of it.
    EXPECT_EQ(
        extract_bytes(container(member("x", raw_block(std::string(16385, 'b')))), "kept").error,
        ArchiveError::ArchiveRead);
    // A stream that expands beyond one block, and one that is damaged.
    EXPECT_EQ(
        extract_bytes(container(member("x", zlib_block(std::string(16385, 'z')))), "kept").error,
        ArchiveError::ArchiveRead);
    std::string damaged = zlib_block(text_of_size(2000));
    damaged[30] ^= 0x55;
    EXPECT_EQ(extract_bytes(container(member("x", raw_block("data") + damaged)), "kept").error,
              ArchiveError::ArchiveRead);
    // The counterpart that is whole replaces the kept file.
    EXPECT_EQ(extract_bytes(container(x), "kept").error, ArchiveError::None);
}

TEST(ArchiveMalformed, SignaturesAndContinuationMarksStopTheExtraction) {
    const std::string bad_list =
        i32(0) + i32(0) + i32(0) + member("FILE:LIST", raw_block("l"), "EC1\0") + i32(0);
    EXPECT_EQ(extract_bytes(bad_list).error, ArchiveError::InvalidType);
    EXPECT_EQ(extract_bytes(container(member("x", raw_block("data"), "ZIP\0")), "kept").error,
              ArchiveError::FileRead);
    EXPECT_EQ(extract_bytes(container(member("NEXT:DISK001", raw_block("d")))).error,
              ArchiveError::ArchiveRead);
}

TEST(ArchiveMalformed, MemberNamesCannotLeaveTheTargetFolder) {
    for (const char* name : {"../x", "..\\..\\x", "c:\\dane\\x", "/etc/x"}) {
        SCOPED_TRACE(name);
        const Outcome o = extract_bytes(container(member(name, raw_block("data"))));
        EXPECT_EQ(o.error, ArchiveError::None);
        EXPECT_EQ(o.root, std::vector<std::string>{"target"});
        EXPECT_EQ(o.target, std::vector<std::string>{"x"});
    }
    for (const char* name : {".", "..", "c:\\dane\\", "x/..", "a\nb"}) {
        SCOPED_TRACE(name);
        const Outcome o = extract_bytes(container(member(name, raw_block("data"))));
        EXPECT_EQ(o.error, ArchiveError::FileRead);
        EXPECT_EQ(o.root, std::vector<std::string>{"target"});
        EXPECT_TRUE(o.target.empty());
    }
}

// --- texts and dates ---

TEST(Archive, ErrorTextsByCode) {
    EXPECT_EQ(archive_error_text(ArchiveError::FileRead),
              "B\xB3\xB9"
              "d odczytu pliku");
    EXPECT_EQ(archive_error_text(ArchiveError::ArchiveRead),
              "B\xB3\xB9"
              "d odczytu archiwum");
    EXPECT_EQ(archive_error_text(ArchiveError::ArchiveWrite),
              "B\xB3\xB9"
              "d zapisu do archiwum");
    EXPECT_EQ(archive_error_text(ArchiveError::TempFile),
              "Cannot create temporary file to save the file IDs");
}

TEST(DosDate, PacksLocalTimeAndClampsOutsideItsRange) {
    use_utc();
    EXPECT_EQ(pack_dos_date(1710498030), 1483690639u);
    const DosDateTime d = unpack_dos_date(1483690639u);
    EXPECT_EQ((std::vector<int>{d.year, d.month, d.day, d.hour, d.minute, d.second}),
              (std::vector<int>{2024, 3, 15, 10, 20, 30}));
    EXPECT_EQ(pack_dos_date(0), 0x00210000u);  // 1970 becomes 1980-01-01 00:00
}

}  // namespace
}  // namespace tabrel
