#pragma once

#include <QSettings>

#include "base/settings_store.h"

namespace tabrel {

// The per-user settings of organisation "Dravik", application "Tabrel".
class QtSettingsStore : public SettingsStore {
public:
    QtSettingsStore();

    std::optional<std::string> value(std::string_view name) const override;
    bool set_value(std::string_view name, std::string_view text) override;
    bool remove(std::string_view name) override;

private:
    bool written();

    mutable QSettings settings_;
};

}  // namespace tabrel
