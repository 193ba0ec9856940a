#include "printouts/template_catalogue.h"

#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <algorithm>

#include "i18n/cp1250.h"
#include "storage/file_mask.h"

namespace fs = std::filesystem;

namespace tabrel {

namespace {

icu::UnicodeString folded(std::string_view cp1250) {
    return icu::UnicodeString::fromUTF8(cp1250_to_utf8(cp1250)).toLower(icu::Locale("pl"));
}

}  // namespace

void ZnajdzPliki(const fs::path& folder, std::string_view pattern, TemplateCatalogue& catalogue) {
    std::vector<fs::path> found;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->is_regular_file(ec) && mask_matches(pattern, it->path().filename().string()))
            found.push_back(it->path());
    }
    std::sort(found.begin(), found.end());
    for (const fs::path& path : found) catalogue.push_back(info_plik(path));
}

std::vector<size_t> search_templates(const TemplateCatalogue& catalogue, std::string_view text) {
    const icu::UnicodeString wanted = folded(text);
    std::vector<size_t> positions;
    for (size_t i = 0; i < catalogue.size(); ++i) {
        if (wanted.isEmpty() || folded(catalogue[i].title).indexOf(wanted) >= 0)
            positions.push_back(i);
    }
    return positions;
}

}  // namespace tabrel
