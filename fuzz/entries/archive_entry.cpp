#include <map>
#include <vector>

#include "fuzz_entries.h"
#include "fuzz_support.h"
#include "storage/archive.h"
#include "storage/member_name.h"

namespace tabrel::fuzz {

namespace fs = std::filesystem;

namespace {

// Only plain files directly in the target folder may appear; nothing beside it but the archive.
void expect_confined(const fs::path& root, const fs::path& archive, const fs::path& target) {
    for (const fs::directory_entry& e : fs::directory_iterator(root))
        expect(e.path() == archive || e.path() == target, "a file was written beside the target");
    if (!fs::exists(target)) return;
    for (const fs::directory_entry& e : fs::directory_iterator(target))
        expect(e.is_regular_file() && !e.is_symlink(), "something other than a file was restored");
}

// A whole extraction holds every listed member, the last of equal names winning, at its size.
void expect_members_restored(const std::vector<ArchiveMember>& members, const fs::path& target) {
    std::map<fs::path, uint64_t> sizes;
    for (const ArchiveMember& m : members) {
        const auto name = member_file_name(m.name);
        expect(name.has_value(), "a member was extracted under a name it cannot have");
        sizes[*name] = m.size;
    }
    for (const auto& [name, size] : sizes)
        expect(fs::file_size(target / name) == size, "a restored file differs from its member");
}

}  // namespace

void archive(std::string_view bytes) {
    const fs::path root = fresh_folder("archive");
    const fs::path file = root / "kopia.tbk";
    const fs::path target = root / "dane";
    put_file(file, bytes);

    std::vector<ArchiveMember> members;
    const ArchiveResult listed = list_archive(file, members);
    const ArchiveResult extracted = extract_archive(file, target);
    expect_confined(root, file, target);
    if (!extracted.ok) return;
    expect(listed.ok, "an archive extracted whole could not be listed");
    expect_members_restored(members, target);
}

}  // namespace tabrel::fuzz
