#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "printouts/template_info.h"

namespace tabrel {

// The headers of the templates found, in the order found; a list row refers to its position.
using TemplateCatalogue = std::vector<TemplateInfo>;

// Appends every file of `folder` whose name matches `pattern` ("*.wzr"), in name order.
// Subfolders are not searched. Throws TemplateError for a header that cannot be read.
void ZnajdzPliki(const std::filesystem::path& folder, std::string_view pattern,
                 TemplateCatalogue& catalogue);

// Positions of the templates whose title holds `text` (cp1250), letter case ignored; all of
// them for an empty text.
std::vector<size_t> search_templates(const TemplateCatalogue& catalogue, std::string_view text);

}  // namespace tabrel
