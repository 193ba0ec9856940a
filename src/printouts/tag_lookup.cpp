#include "printouts/tag_lookup.h"

#include <unordered_map>

#include "printouts/tag_families.h"

namespace tabrel {

namespace {

using NameIndex = std::unordered_map<std::string_view, const TagEntry*>;

// Polish names lead to the same entry as their English ones.
NameIndex build_index() {
    NameIndex index;
    for (auto family : {general_tags(), day_tags(), shift_tags(), worker_tags(),
                        worker_summary_tags(), duty_tags(), day_off_tags(), law_tags()}) {
        for (const TagEntry& e : family) {
            index.emplace(e.english, &e);
            if (!e.polish.empty()) index.emplace(e.polish, &e);
        }
    }
    return index;
}

const TagEntry* entry_named(std::string_view name, TagSuffix suffix) {
    static const NameIndex index = build_index();
    const auto it = index.find(name);
    if (it == index.end() || it->second->suffix != suffix) return nullptr;
    return it->second;
}

}  // namespace

std::optional<FoundTag> find_tag(std::string_view name, int shift_index) {
    for (TagSuffix suffix : {TagSuffix::none, TagSuffix::shift_number, TagSuffix::kind_letters}) {
        if (const TagEntry* e = entry_named(name, suffix))
            return FoundTag{e, suffix == TagSuffix::shift_number ? shift_index + 1 : 0, {}};
    }
    const size_t cut = name.rfind('_');
    if (cut == std::string_view::npos) return std::nullopt;
    const std::string_view base = name.substr(0, cut);
    const std::string_view rest = name.substr(cut + 1);
    if (rest.size() == 1 && rest[0] >= '1' && rest[0] <= '9') {
        if (const TagEntry* e = entry_named(base, TagSuffix::shift_number))
            return FoundTag{e, rest[0] - '0', {}};
    }
    if (const TagEntry* e = entry_named(base, TagSuffix::kind_letters))
        return FoundTag{e, 0, std::string(rest)};
    return std::nullopt;
}

}  // namespace tabrel
