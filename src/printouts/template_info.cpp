#include "printouts/template_info.h"

#include <charconv>

#include "i18n/cp1250.h"
#include "printouts/filled_line.h"
#include "printouts/template_error.h"
#include "printouts/template_token.h"
#include "storage/safe_file.h"

namespace tabrel {

namespace {

bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

uint8_t font_size_of(const std::string& value) {
    std::string_view digits = value;
    while (!digits.empty() && digits.front() == ' ') digits.remove_prefix(1);
    if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
    int size = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), size);
    if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size())
        throw TemplateError("\x84" + value + cp("” nie jest poprawną liczbą całkowitą."));
    return static_cast<uint8_t>(size & 0xFF);
}

std::string expanded_file_name(const std::string& value, GenerationContext* ctx) {
    if (ctx == nullptr) return value;
    // A file name is no HTML page: the values go in unescaped.
    const FragmentContext saved_at = ctx->at;
    const OutputType saved_type = ctx->type;
    ctx->type = OutputType::Text;
    ctx->at = FragmentContext{0, static_cast<int16_t>(ctx->selected_worker), 0, -1};
    std::string name = gen_wypelnij_linie(value, *ctx).text();
    ctx->at = saved_at;
    ctx->type = saved_type;
    return name;
}

void store(const std::string& tag, const std::string& value, TemplateInfo& info,
           GenerationContext* ctx) {
    if (tag == "<TITLE>") info.title = value;
    if (tag == "<FONT_SIZE>") info.font_size = font_size_of(value);
    if (tag == "<FONT_NAME>") info.font_name = value;
    if (tag == "<TYPE>") info.extension = ascii_lower(value.substr(0, 3));
    if (tag == "<FILE_NAME>") info.file_name = expanded_file_name(value, ctx);
}

// The fields of one header, fed line by line.
class HeaderReader {
public:
    HeaderReader(TemplateInfo& info, GenerationContext* ctx) : info_(info), ctx_(ctx) {}

    void line(const std::string& line) {
        if (contains(line, "//")) return;
        take_tag(line);
        if (tag_.empty()) return;
        const size_t open = line.find(tag_);
        const size_t close = line.find(closing_);
        if (open != std::string::npos && close != std::string::npos) {
            const size_t from = open + tag_.size();
            store(tag_, close > from ? line.substr(from, close - from) : "", info_, ctx_);
            in_value_ = false;
        } else if (open != std::string::npos) {
            value_ = line.substr(open + tag_.size());
            in_value_ = true;
        } else if (close != std::string::npos) {
            value_ += line.substr(0, close);
            store(tag_, value_, info_, ctx_);
            in_value_ = false;
        } else if (in_value_) {
            value_ += line;
        }
    }

private:
    void take_tag(const std::string& line) {
        const size_t lt = line.find('<');
        const size_t gt = lt == std::string::npos ? lt : line.find('>', lt);
        if (gt == std::string::npos) return;
        std::string tag = line.substr(lt, gt - lt + 1);
        if (tag.size() > 1 && tag[1] == '/') tag.erase(1, 1);
        tag_ = tag;
        closing_ = "</" + tag.substr(1);
    }

    TemplateInfo& info_;
    GenerationContext* ctx_;
    std::string tag_;
    std::string closing_;
    std::string value_;
    bool in_value_ = false;
};

// The nine characters a file name cannot hold on the systems our users share files with.
void replace_unsafe(std::string& name) {
    static constexpr std::string_view kUnsafe = "*:<>?/\\\"|";
    for (char& c : name) {
        if (kUnsafe.find(c) != std::string_view::npos) c = '_';
    }
}

std::string file_title(const std::filesystem::path& path) {
    const std::string name = path.filename().string();
    return utf8_to_cp1250(name).value_or(name);
}

// A name that came out empty (say, only the e-mail tag of a worker without one) would write a
// hidden file of the extension alone; the template's own name stands in for it.
void name_after_template(TemplateInfo& info) {
    if (info.file_name.find_first_not_of(' ') != std::string::npos) return;
    const std::string stem = info.path.stem().string();
    info.file_name = utf8_to_cp1250(stem).value_or(stem);
}

}  // namespace

std::vector<std::string> template_lines(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t from = 0;
    while (from < bytes.size()) {
        const size_t end = bytes.find_first_of("\r\n", from);
        if (end == std::string::npos) {
            lines.push_back(bytes.substr(from));
            break;
        }
        lines.push_back(bytes.substr(from, end - from));
        from = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

void read_header(const std::vector<std::string>& lines, TemplateInfo& info,
                 GenerationContext* ctx) {
    info.header_lines = 0;
    bool has_header = false;
    for (const std::string& line : lines) has_header = has_header || contains(line, "<HEADER>");
    if (has_header) {
        HeaderReader reader(info, ctx);
        for (const std::string& line : lines) {
            ++info.header_lines;
            reader.line(line);
            if (contains(line, "</HEADER>")) break;
        }
        if (static_cast<size_t>(info.header_lines) >= lines.size()) info.header_lines = 0;
    }
    if (info.title.empty()) info.title = file_title(info.path);
    name_after_template(info);
    replace_unsafe(info.file_name);
}

TemplateInfo info_plik(const std::filesystem::path& path, GenerationContext* ctx) {
    TemplateInfo info;
    info.path = path;
    const auto bytes = std::filesystem::is_regular_file(path) ? read_file(path) : std::nullopt;
    if (!bytes) return info;
    read_header(template_lines(*bytes), info, ctx);
    return info;
}

std::string output_file_name(const TemplateInfo& info) {
    std::string name = info.file_name + "." + info.extension;
    replace_unsafe(name);
    for (char& c : name) {
        if (static_cast<unsigned char>(c) < ' ') c = '_';
    }
    if (name.find_first_not_of('.') == std::string::npos) name.assign(name.size(), '_');
    return name;
}

}  // namespace tabrel
