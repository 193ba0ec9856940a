#include "storage/month_file_cache.h"

#include <sys/stat.h>

#include "storage/ini_file.h"
#include "storage/month_paths.h"
#include "storage/safe_file.h"

namespace tabrel {

namespace {

// A settlement period reaches back a year: a few years of months are plenty.
constexpr size_t kMostFiles = 48;

}  // namespace

MonthFileCache::Kept& MonthFileCache::kept(const std::filesystem::path& data_folder, int year,
                                           int month) {
    const std::filesystem::path path = month_file_path(data_folder, year, month);
    Stamp now;
    // Stamped before it is read: a file changed in between is read again next time.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0)
        now = {st.st_ino, st.st_size,
               int64_t(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec};
    if (files_.size() >= kMostFiles && !files_.contains(path.native())) files_.clear();
    Kept& k = files_[path.native()];
    if (!(k.stamp == now)) k = Kept{now, {}, {}};
    return k;
}

const MonthEntriesResult& MonthFileCache::entries(const std::filesystem::path& data_folder,
                                                  int year, int month) {
    Kept& k = kept(data_folder, year, month);
    if (!k.entries) k.entries = read_month_entries(data_folder, year, month);
    return *k.entries;
}

bool MonthFileCache::opens_period(const std::filesystem::path& data_folder, int year, int month,
                                  uint16_t group_id) {
    Kept& k = kept(data_folder, year, month);
    const auto known = k.opens_period.find(group_id);
    if (known != k.opens_period.end()) return known->second;
    bool opens = false;
    if (const auto text = read_file(month_file_path(data_folder, year, month)))
        opens =
            IniFile::parse(*text).read_integer("g" + std::to_string(group_id), "NewPeriod", 0) != 0;
    k.opens_period.emplace(group_id, opens);
    return opens;
}

}  // namespace tabrel
