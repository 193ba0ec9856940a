#pragma once

#include <string>
#include <vector>

#include "printouts/filled_line.h"

namespace tabrel {

// A rich-text document of the lines: cp1250 text (\ansicpg1250) in one font of the given name
// and size in points, every tag value bold, one paragraph per line, and a paragraph break for
// every line break or "|eol|" inside a line.
std::string rtf_document(const std::vector<FilledLine>& lines, const std::string& font_name,
                         int font_size);

}  // namespace tabrel
