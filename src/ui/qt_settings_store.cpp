#include "qt_settings_store.h"

namespace tabrel {

namespace {

QString key(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

QtSettingsStore::QtSettingsStore()
    : settings_(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Dravik"),
                QStringLiteral("Tabrel")) {}

std::optional<std::string> QtSettingsStore::value(std::string_view name) const {
    if (settings_.status() != QSettings::NoError) return std::nullopt;
    const QVariant value = settings_.value(key(name));
    if (!value.isValid()) return std::nullopt;
    return value.toString().toStdString();
}

bool QtSettingsStore::set_value(std::string_view name, std::string_view text) {
    settings_.setValue(key(name),
                       QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    return written();
}

bool QtSettingsStore::remove(std::string_view name) {
    settings_.remove(key(name));
    return written();
}

// Writes the change through now, so a store that cannot be written is known at once.
bool QtSettingsStore::written() {
    settings_.sync();
    return settings_.status() == QSettings::NoError && settings_.isWritable();
}

}  // namespace tabrel
