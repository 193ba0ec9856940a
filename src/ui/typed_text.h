#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

#include "base/prompter.h"

class QLineEdit;

namespace tabrel {

// What a user typed, as the core stores it: nothing when a character cannot be stored, either
// because cp1250 lacks it or because it is one of `refused` (cp1250 bytes the field's file
// uses for its own structure).
std::optional<std::string> typed_cp1250(const QString& text, std::string_view refused = {});

// The message shown when a typed character is refused.
std::string character_refused_message();

// Keeps `edit` to text the core can store: a change bringing in a character that cannot be
// stored is told through `prompter` and undone, the rest of the text staying as it was.
void guard_typed_text(QLineEdit* edit, Prompter& prompter, std::string_view refused = {});

}  // namespace tabrel
