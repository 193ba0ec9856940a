#include "storage/member_name.h"

#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <algorithm>

#include "i18n/cp1250.h"

namespace tabrel {

namespace {

std::string lower_utf8(std::string_view utf8) {
    icu::UnicodeString text = icu::UnicodeString::fromUTF8(
        icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
    std::string out;
    text.toLower(icu::Locale::getRoot()).toUTF8String(out);
    return out;
}

// Converts character by character, putting "?" for what cp1250 cannot hold.
std::string cp1250_or_question_marks(const std::string& utf8) {
    const icu::UnicodeString text = icu::UnicodeString::fromUTF8(utf8);
    std::string out;
    for (int32_t i = 0; i < text.length(); i = text.moveIndex32(i, 1)) {
        std::string one;
        icu::UnicodeString(text.char32At(i)).toUTF8String(one);
        out += utf8_to_cp1250(one).value_or("?");
    }
    return out;
}

}  // namespace

std::optional<std::string> stored_member_name(const std::filesystem::path& absolute_file) {
    const std::string full = absolute_file.string();
    const size_t cut = full.rfind('/') + 1;  // 0 when there is no folder part
    const auto name = utf8_to_cp1250(lower_utf8(std::string_view(full).substr(cut)));
    if (!name || name->empty() || name->find('\\') != std::string::npos) return std::nullopt;
    const std::string folder = lower_utf8(std::string_view(full).substr(0, cut));
    std::string stored = utf8_to_cp1250(folder).value_or(cp1250_or_question_marks(folder));
    std::replace(stored.begin(), stored.end(), '/', '\\');
    return stored + *name;
}

std::optional<std::filesystem::path> member_file_name(std::string_view stored) {
    const size_t cut = stored.find_last_of("\\/");
    const std::string_view name = cut == std::string_view::npos ? stored : stored.substr(cut + 1);
    if (name.empty() || name == "." || name == "..") return std::nullopt;
    const bool control = std::any_of(name.begin(), name.end(),
                                     [](char c) { return static_cast<unsigned char>(c) < 0x20; });
    if (control) return std::nullopt;
    return std::filesystem::path(cp1250_to_utf8(name));
}

std::string path_for_message(const std::filesystem::path& path) {
    return cp1250_or_question_marks(path.string());
}

}  // namespace tabrel
