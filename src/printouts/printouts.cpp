#include "printouts/printouts.h"

#include <algorithm>

#include "i18n/cp1250.h"
#include "printouts/template_error.h"
#include "printouts/template_expansion.h"
#include "storage/options_file.h"
#include "storage/recent_templates.h"
#include "storage/safe_file.h"

namespace fs = std::filesystem;

namespace tabrel {

namespace {

std::string cannot_write(const fs::path& path, const std::string& reason) {
    const std::string name = utf8_to_cp1250(path.string()).value_or(path.string());
    return cp("Nie można utworzyć pliku ") + name + ": " + utf8_to_cp1250(reason).value_or(reason);
}

}  // namespace

Printouts::Printouts(fs::path output_folder, fs::path data_folder, Opener open)
    : output_folder_(std::move(output_folder)),
      data_folder_(std::move(data_folder)),
      open_(std::move(open)) {}

GenerationResult Printouts::generuj(const fs::path& template_path, GenerationContext& ctx) {
    ctx.switches = GenerationSwitches{};
    GenerationResult result = gen_wypelnij_wzorzec(template_path, ctx, true);
    record_recent(template_path);
    return result;
}

GenerationResult Printouts::gen_wypelnij_wzorzec(const fs::path& template_path,
                                                 GenerationContext& ctx, bool open) {
    GenerationResult result;
    std::optional<Expansion> expansion;
    try {
        expansion = expand_template(template_path, ctx);
    } catch (const std::exception& e) {  // a value that cannot be computed ends it too
        result.error = e.what();
        return result;
    }
    if (!expansion) return result;

    result.output = output_folder_ / cp1250_to_utf8(output_file_name(expansion->info));
    std::error_code ec;
    fs::create_directories(output_folder_, ec);
    if (const Status written = write_file_atomic(result.output, output_bytes(*expansion));
        !written) {
        result.error = cannot_write(result.output, written.message());
        return result;
    }
    result.written = true;
    remember(result.output);
    if (open && open_) open_(result.output);
    return result;
}

void Printouts::remember(const fs::path& output) {
    const auto at = std::lower_bound(generated_.begin(), generated_.end(), output);
    if (at == generated_.end() || *at != output) generated_.insert(at, output);
}

void Printouts::record_recent(const fs::path& template_path) const {
    if (data_folder_.empty()) return;
    const auto path = utf8_to_cp1250(fs::absolute(template_path).lexically_normal().string());
    if (!path) return;
    IniFile file = load_options_file(data_folder_);
    record_recent_template(file, "Templates", *path);
    // The list of recent templates is a convenience: when it cannot be stored the printout
    // that was asked for still stands, so nothing is said.
    (void)store_options_file(data_folder_, file);
}

void Printouts::delete_generated() {
    for (const fs::path& path : generated_) {
        std::error_code ec;
        fs::remove(path, ec);
    }
    generated_.clear();
}

}  // namespace tabrel
