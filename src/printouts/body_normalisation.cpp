#include "printouts/body_normalisation.h"

#include <algorithm>
#include <map>

#include "printouts/template_token.h"

namespace tabrel {

namespace {

class Normaliser {
public:
    explicit Normaliser(OutputType type) : htm_(type == OutputType::Html) {}

    void add(std::string line) {
        size_t from = split_block_tags(line);
        if (!(from == line.size() && htm_)) from = split_closing_tags(line, from);
        const std::string_view rest = std::string_view(line).substr(from);
        if (htm_ && rest.find_first_not_of(" \t") == std::string_view::npos) return;
        push(rest);
    }

    std::string text() {
        if (out_.find("\x8B_") == std::string::npos) out_ += "\x8B_\x9B";
        return std::move(out_);
    }

private:
    void push(std::string_view line) {
        out_ += line;
        out_ += "\r\n";
    }

    bool opened(const std::string& name) const {
        return std::find(opened_.begin(), opened_.end(), name) != opened_.end();
    }

    // "</name>" at `at` becomes "‹/name›"; false when the tag there is not exactly that.
    static bool convert_closing(std::string& line, size_t at, const std::string& name) {
        const size_t gt = at + 2 + name.size();
        if (gt >= line.size() || line[gt] != '>') return false;
        line[at] = kOpenBracket;
        line[gt] = kCloseBracket;
        return true;
    }

    // Where each name's closing tags "</name>" stand in the line, in either letter case.
    static std::map<std::string, std::vector<size_t>> closing_tags(const std::string& line) {
        const std::string lower = ascii_lower(line);
        std::map<std::string, std::vector<size_t>> found;
        for (size_t at = lower.find("</"); at != std::string::npos; at = lower.find("</", at + 2)) {
            const TemplateToken name = read_token(lower, at + 2);
            if (name.end < lower.size() && lower[name.end] == '>') found[name.text].push_back(at);
        }
        return found;
    }

    // The "<_" tags of the line; returns where the unprocessed rest begins.
    size_t split_block_tags(std::string& line) {
        const auto closings = closing_tags(line);
        size_t from = 0;
        for (size_t at; (at = line.find("<_", from)) != std::string::npos;) {
            const std::string name = read_token(line, at + 2).text;
            line[at] = kOpenBracket;
            const size_t gt = line.find('>', at);
            if (gt != std::string::npos) line[gt] = kCloseBracket;
            if (!opened(name)) opened_.push_back(name);
            push(std::string_view(line).substr(from, at - from));
            from = at;
            const size_t close = name.empty() ? std::string::npos : first_after(closings, name, at);
            if (close != std::string::npos && convert_closing(line, close, name)) {
                const size_t end = close + 3 + name.size();
                convert_nested(line, at + 1, close, closings);
                push(std::string_view(line).substr(at, end - at));
                from = end;
            }
        }
        return from;
    }

    // Blocks nested inside a one-line block are converted where they stand, so that they
    // repeat like the outer one instead of reaching the printout as literal text.
    void convert_nested(std::string& line, size_t from, size_t to,
                        const std::map<std::string, std::vector<size_t>>& closings) {
        for (size_t at; (at = line.find("<_", from)) < to;) {
            const std::string name = read_token(line, at + 2).text;
            line[at] = kOpenBracket;
            const size_t gt = line.find('>', at);
            if (gt < to) line[gt] = kCloseBracket;
            if (!opened(name)) opened_.push_back(name);
            const size_t close = name.empty() ? std::string::npos : first_after(closings, name, at);
            if (close < to) convert_closing(line, close, name);
            from = at + 2;
        }
    }

    static size_t first_after(const std::map<std::string, std::vector<size_t>>& closings,
                              const std::string& name, size_t at) {
        const auto found = closings.find(name);
        if (found == closings.end()) return std::string::npos;
        const auto next = std::lower_bound(found->second.begin(), found->second.end(), at);
        return next == found->second.end() ? std::string::npos : *next;
    }

    // Every closing tag, of a block or of the target format, ends a line.
    size_t split_closing_tags(std::string& line, size_t from) {
        for (size_t at; (at = line.find("</", from)) != std::string::npos;) {
            const std::string name = read_token(line, at + 2).text;
            if (opened(name)) convert_closing(line, at, name);
            const size_t end = std::min(at + 3 + name.size(), line.size());
            push(std::string_view(line).substr(from, end - from));
            from = end;
        }
        return from;
    }

    bool htm_;
    std::vector<std::string> opened_;
    std::string out_;
};

}  // namespace

std::string normalise_body(const std::vector<std::string>& lines, OutputType type) {
    Normaliser normaliser(type);
    for (const std::string& line : lines) normaliser.add(line);
    return normaliser.text();
}

}  // namespace tabrel
