#include "platform/IniSettingsStore.h"

#include <QSettings>

namespace platform {

namespace {

QString settingsKey(const QString& section, const QString& key) {
    return section + QLatin1Char('/') + key;
}

} // namespace

QString IniSettingsStore::read(const QString& application, const QString& section,
                               const QString& key, const QString& fallback) const {
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope, application);
    const QVariant value = settings.value(settingsKey(section, key));
    return value.isValid() ? value.toString() : fallback;
}

void IniSettingsStore::write(const QString& application, const QString& section, const QString& key,
                             const QString& value) {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, application);
    settings.setValue(settingsKey(section, key), value);
}

} // namespace platform
