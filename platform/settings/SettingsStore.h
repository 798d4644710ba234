#pragma once

#include <QString>

namespace platform {

// The per-user settings store: string values under application, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual QString read(const QString& application, const QString& section, const QString& key,
                         const QString& fallback) const = 0;
    virtual void write(const QString& application, const QString& section, const QString& key,
                       const QString& value) = 0;
};

} // namespace platform
