#include "printouts/template_expansion.h"

#include <algorithm>

#include "i18n/cp1250.h"
#include "printouts/block_tree.h"
#include "printouts/body_normalisation.h"
#include "printouts/fragment_list.h"
#include "printouts/rtf_writer.h"
#include "printouts/template_error.h"
#include "storage/safe_file.h"

namespace tabrel {

namespace {

// Templates are small hand-written files; these bounds keep a hostile one from exhausting the
// memory while leaving room for any real ward.
constexpr uintmax_t kMaxTemplateBytes = 16u << 20;
constexpr size_t kMaxOutputBytes = 256u << 20;

std::vector<std::string> body_lines(const std::vector<std::string>& lines, int header_lines) {
    std::vector<std::string> body;
    for (size_t i = static_cast<size_t>(header_lines); i < lines.size(); ++i) {
        if (lines[i].rfind("//", 0) != 0) body.push_back(lines[i]);
    }
    return body;
}

// Entries that name no worker of the roster are left out rather than read past its end.
void drop_unknown_workers(GenerationContext& ctx) {
    const int count = static_cast<int>(ctx.roster.workers.size());
    std::erase_if(ctx.worker_list, [count](int w) { return w < 0 || w >= count; });
    if (ctx.selected_worker >= count) ctx.selected_worker = -1;
}

[[noreturn]] void too_large() {
    throw TemplateError(cp("Wydruk byłby zbyt duży."));
}

}  // namespace

std::optional<Expansion> expand_template(const std::filesystem::path& path,
                                         GenerationContext& ctx) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    if (std::filesystem::file_size(path, ec) > kMaxTemplateBytes) too_large();
    const auto bytes = read_file(path);
    if (!bytes) return std::nullopt;
    drop_unknown_workers(ctx);

    Expansion expansion;
    expansion.info.path = path;
    const std::vector<std::string> lines = template_lines(*bytes);
    read_header(lines, expansion.info, &ctx);
    ctx.type = expansion.info.type();

    BlockTree tree;
    drzewo_kreator(normalise_body(body_lines(lines, expansion.info.header_lines), ctx.type), tree);
    const std::vector<Fragment> fragments = gen_drzewo_replikator(tree, ctx);

    size_t size = 0;
    for (const Fragment& f : fragments) {
        if (f.skipped) continue;
        ctx.at = f.at;
        if (ctx.at.worker < 0) ctx.at.worker = static_cast<int16_t>(ctx.selected_worker);
        if (ctx.at.day < 0) ctx.at.day = static_cast<int16_t>(ctx.selected_day);
        FilledLine line = gen_wypelnij_linie(f.node->text, ctx);
        for (const auto& piece : line.pieces) size += piece.text.size();
        if (size > kMaxOutputBytes) too_large();
        expansion.lines.push_back(std::move(line));
    }
    expansion.clear_auto_eols = ctx.switches.clear_auto_eols;
    return expansion;
}

std::string output_text(const Expansion& expansion) {
    std::string text;
    for (const FilledLine& line : expansion.lines) text += line.text() + "\r\n";
    if (expansion.clear_auto_eols)
        std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 5, "|eol|") == 0) {
            out += "\r\n";
            i += 4;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string output_bytes(const Expansion& expansion) {
    if (expansion.info.type() == OutputType::Rtf)
        return rtf_document(expansion.lines, expansion.info.font_name, expansion.info.font_size);
    return output_text(expansion);
}

}  // namespace tabrel
