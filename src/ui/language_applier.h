#pragma once

#include <QString>

#include "storage/language_file.h"

class QWidget;

namespace tabrel {

// Dynamic properties the windows set on their components for the language file.
inline constexpr const char* kTagProperty = "tag";  // 100: the language file leaves it alone
inline constexpr int kSkippedTag = 100;
// A group box holding unnamed radio buttons: its value is the caption, "\r", then the items.
inline constexpr const char* kRadioGroupProperty = "radioGroup";
// A painted control's texts (a QStringList), set from items separated by "\n" as a list's are.
inline constexpr const char* kItemsProperty = "items";

// A window's section: its objectName, without the class-style "T" of "Tf_MainForm".
QString window_section(const QWidget* window);

// Applies the file to one window and every component it owns, by objectName: captions, items
// separated by the two characters "\n", radio groups, grids, and hints from section "h".
void apply_language(const LanguageFile& file, QWidget* window);

// Applies the file to every window of the application, with the wait cursor.
void apply_language_to_all(const LanguageFile& file);

}  // namespace tabrel
