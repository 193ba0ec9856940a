#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tabrel {

// The per-user settings store under "Software\Dravik\Tabrel" (QSettings in the program, a map
// in tests). Values are plain text.
struct SettingsStore {
    // Nothing when the value is missing or the store cannot be read.
    virtual std::optional<std::string> value(std::string_view name) const = 0;
    // False when the store cannot be written.
    virtual bool set_value(std::string_view name, std::string_view text) = 0;
    virtual bool remove(std::string_view name) = 0;
    virtual ~SettingsStore() = default;
};

}  // namespace tabrel
