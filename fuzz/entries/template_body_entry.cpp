#include "fuzz_entries.h"
#include "fuzz_support.h"
#include "printouts/template_error.h"
#include "printouts/template_expansion.h"
#include "ward_context.h"

namespace tabrel::fuzz {

// A whole template expanded for the ward's month and turned into the printout's bytes, as
// `tabrel-cli print` and the templates dialog generate it (without writing the file). A
// template the program refuses is told to the user with the error's text.
void template_body(std::string_view bytes) {
    const std::filesystem::path path = fresh_folder("template") / "szablon.wzr";
    put_file(path, bytes);
    WardContext ward;
    try {
        const std::optional<Expansion> expansion = expand_template(path, ward.ctx);
        expect(expansion.has_value(), "a template that exists was not expanded");
        output_bytes(*expansion);
    } catch (const TemplateError&) {
    }
}

}  // namespace tabrel::fuzz
