#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "printouts/generation_context.h"
#include "printouts/output_type.h"

namespace tabrel {

// What a template's header says about it. Texts are cp1250.
struct TemplateInfo {
    std::string title;  // the file name when the header gives none; empty for a missing file
    std::string extension = "rtf";  // of the output: "<TYPE>", lower case, at most 3 characters
    uint8_t font_size = 8;
    std::string font_name = "MS Sans Serif";
    std::string file_name = "document";  // of the output, without extension
    std::filesystem::path path;
    int32_t header_lines = 0;  // lines from the top that belong to the header

    OutputType type() const { return output_type(extension); }
};

// The lines of a template file, split at CR LF, LF or CR.
std::vector<std::string> template_lines(const std::string& bytes);

// Reads the header of the template at `path`. With a context, the value tags of "<FILE_NAME>"
// are filled (day 0, the selected worker, shift 0); without one (listing, menus) they stay. A
// "<FILE_NAME>" that comes out empty or blank gives the template's file name without extension.
// Throws TemplateError for a "<FONT_SIZE>" that is not a whole number.
TemplateInfo info_plik(const std::filesystem::path& path, GenerationContext* ctx = nullptr);

// Parses the header from the file's lines; `info.path` names the file.
void read_header(const std::vector<std::string>& lines, TemplateInfo& info, GenerationContext* ctx);

// The output file's name: `file_name`, ".", `extension`, with every character that could leave the
// output folder or that file systems refuse replaced by "_"; never "." or "..".
std::string output_file_name(const TemplateInfo& info);

}  // namespace tabrel
