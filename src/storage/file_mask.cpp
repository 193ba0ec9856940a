#include "storage/file_mask.h"

#include <algorithm>
#include <cctype>

namespace tabrel {

namespace fs = std::filesystem;

namespace {

bool same_letter(char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) ==
           std::tolower(static_cast<unsigned char>(b));
}

bool is_regular(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec);  // follows links; fifos and devices would hang a read
}

// Splits a trailing " /s" (either case) off the entry.
bool take_recursive_switch(std::string& entry) {
    constexpr std::string_view kSwitch = " /s";
    if (entry.size() < kSwitch.size()) return false;
    const auto tail = std::string_view(entry).substr(entry.size() - kSwitch.size());
    if (tail != " /s" && tail != " /S") return false;
    entry.resize(entry.size() - kSwitch.size());
    return true;
}

struct FolderListing {
    std::vector<fs::path> files;
    std::vector<fs::path> folders;
};

FolderListing list_folder(const fs::path& folder) {
    FolderListing out;
    std::error_code ec;
    fs::directory_iterator it(folder, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        std::error_code kind_ec;
        const auto link_status = it->symlink_status(kind_ec);
        if (kind_ec) continue;
        if (fs::is_directory(link_status))
            out.folders.push_back(it->path());
        else if (is_regular(it->path()))
            out.files.push_back(it->path());
    }
    std::sort(out.files.begin(), out.files.end());
    std::sort(out.folders.begin(), out.folders.end());
    return out;
}

void collect(const fs::path& folder, const std::string& mask, bool recursive,
             std::vector<fs::path>& out) {
    const FolderListing listing = list_folder(folder);
    for (const auto& file : listing.files)
        if (mask_matches(mask, file.filename().string())) out.push_back(file);
    if (!recursive) return;
    for (const auto& sub : listing.folders) collect(sub, mask, true, out);
}

}  // namespace

bool mask_matches(std::string_view mask, std::string_view name) {
    if (mask == "*.*") mask = "*";
    // Greedy matching with one backtrack point: the last "*" seen.
    size_t m = 0, n = 0, star = std::string_view::npos, resume = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == '*') {
            star = m++;
            resume = n;
        } else if (m < mask.size() && (mask[m] == '?' || same_letter(mask[m], name[n]))) {
            ++m;
            ++n;
        } else if (star != std::string_view::npos) {
            m = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*') ++m;
    return m == mask.size();
}

std::vector<fs::path> expand_file_mask(const std::string& entry) {
    std::string text = entry;
    const bool recursive = take_recursive_switch(text);
    std::vector<fs::path> out;
    if (text.empty()) return out;
    std::error_code ec;
    const fs::path full = fs::absolute(fs::path(text), ec).lexically_normal();
    if (ec || !full.has_filename()) return out;
    const std::string mask = full.filename().string();
    const bool wildcard = mask.find_first_of("*?") != std::string::npos;
    if (!wildcard && !recursive) {
        if (is_regular(full)) out.push_back(full);
        return out;
    }
    collect(full.parent_path(), mask, recursive, out);
    return out;
}

}  // namespace tabrel
