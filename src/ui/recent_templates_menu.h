#pragma once

#include <filesystem>

class QMenu;

namespace tabrel {

class TemplatesDialog;

// Fills `menu` as it drops down with the recently used templates of konfiguracja.ini in
// `data_folder` whose files exist, captioned by their titles; choosing one refreshes the
// dialog's catalogue and generates that template.
void bind_recent_templates_menu(QMenu* menu, TemplatesDialog* dialog,
                                const std::filesystem::path& data_folder);

}  // namespace tabrel
