#pragma once

#include <QString>
#include <optional>
#include <string>

#include "base/prompter.h"

class QLineEdit;

namespace tabrel {

// The cp1250 bytes of a typed text for a field of the line files; nothing when it holds a
// character cp1250 cannot store or the byte 0xA4, which separates those files' fields.
std::optional<std::string> storable_text(const QString& text);

// Keeps a line-file field storable: a typed or pasted text that is not is taken back and the
// user told.
void guard_line_file_field(QLineEdit* edit, Prompter& prompter);

// The bytes of a guarded line edit's text (always storable).
std::string cp1250_of(const QLineEdit* edit);

}  // namespace tabrel
