#include "cp1250_input.h"

#include <QLineEdit>

#include "typed_text.h"

namespace tabrel {

namespace {

constexpr std::string_view kFieldSeparator = "\xA4";

}  // namespace

std::optional<std::string> storable_text(const QString& text) {
    return typed_cp1250(text, kFieldSeparator);
}

void guard_line_file_field(QLineEdit* edit, Prompter& prompter) {
    guard_typed_text(edit, prompter, kFieldSeparator);
}

std::string cp1250_of(const QLineEdit* edit) {
    return storable_text(edit->text()).value_or(std::string());
}

}  // namespace tabrel
