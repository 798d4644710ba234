#pragma once

#include "platform/settings/SettingsStore.h"

#include <QSettings>

#include <map>
#include <memory>

namespace platform {

// Settings kept in one INI file per application under the user's config folder
// ($XDG_CONFIG_HOME), one group per section. Writes reach the file when the
// store is destroyed or Qt syncs it, not once per key.
class IniSettingsStore final : public SettingsStore {
public:
    QString read(const QString& application, const QString& section, const QString& key,
                 const QString& fallback) const override;
    void write(const QString& application, const QString& section, const QString& key,
               const QString& value) override;

private:
    QSettings& settingsFor(const QString& application) const;

    mutable std::map<QString, std::unique_ptr<QSettings>> files_;
};

} // namespace platform
