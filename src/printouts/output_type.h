#pragma once

#include <string_view>

namespace tabrel {

// How a printout is written: rich text, a web page (texts escaped, blank lines dropped) or
// plain text.
enum class OutputType { Rtf, Html, Text };

// The type a template's "<TYPE>", its output file's extension (lower case), stands for: "rtf"
// and "htm" their own, any other extension plain text.
OutputType output_type(std::string_view extension);

// The type's own extension: "rtf", "htm" or "txt".
std::string_view output_type_name(OutputType type);

}  // namespace tabrel
