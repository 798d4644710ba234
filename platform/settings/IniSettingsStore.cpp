#include "platform/settings/IniSettingsStore.h"

namespace platform {

namespace {

QString settingsKey(const QString& section, const QString& key) {
    return section + QLatin1Char('/') + key;
}

} // namespace

QSettings& IniSettingsStore::settingsFor(const QString& application) const {
    auto& file = files_[application];
    if (!file)
        file = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, application);
    return *file;
}

QString IniSettingsStore::read(const QString& application, const QString& section,
                               const QString& key, const QString& fallback) const {
    const QVariant value = settingsFor(application).value(settingsKey(section, key));
    return value.isValid() ? value.toString() : fallback;
}

void IniSettingsStore::write(const QString& application, const QString& section, const QString& key,
                             const QString& value) {
    settingsFor(application).setValue(settingsKey(section, key), value);
}

} // namespace platform
