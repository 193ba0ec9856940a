#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "printouts/filled_line.h"
#include "printouts/generation_context.h"
#include "printouts/template_info.h"

namespace tabrel {

// A template expanded against the roster, before it is written.
struct Expansion {
    TemplateInfo info;
    std::vector<FilledLine> lines;  // one per fragment
    bool clear_auto_eols = false;   // the template asked for its own line breaks only
};

// Reads the template, parses its body and fills it: header, comment lines removed, blocks
// repeated, value tags replaced. Nothing when the file does not exist. Throws TemplateError for
// a bad header or a printout past the size bounds, and passes on errors of gen_zamien.
std::optional<Expansion> expand_template(const std::filesystem::path& path, GenerationContext& ctx);

// The text of a printout that is not rich text: lines ending in CR LF; with clear_auto_eols
// every CR and LF removed; then every "|eol|" turned into CR LF.
std::string output_text(const Expansion& expansion);

// The file as written: rich text for an "rtf" template, the text otherwise.
std::string output_bytes(const Expansion& expansion);

}  // namespace tabrel
