#include "fuzz_entries.h"
#include "fuzz_support.h"
#include "printouts/template_error.h"
#include "printouts/template_info.h"
#include "ward_context.h"

namespace tabrel::fuzz {

namespace {

// The printout must land inside the output folder under a name the file system takes.
void expect_safe_output_name(const TemplateInfo& info) {
    const std::string name = output_file_name(info);
    expect(!name.empty() && name != "." && name != "..", "an output name names a folder");
    expect(name.find('/') == std::string::npos && name.find('\0') == std::string::npos,
           "an output name leaves the output folder");
}

}  // namespace

// The header as the templates list reads it and as a generation reads it.
void template_header(std::string_view bytes) {
    const std::filesystem::path path = fresh_folder("header") / "szablon.wzr";
    put_file(path, bytes);
    try {
        expect_safe_output_name(info_plik(path));
        WardContext ward;
        expect_safe_output_name(info_plik(path, &ward.ctx));
    } catch (const TemplateError&) {
    }
}

}  // namespace tabrel::fuzz
