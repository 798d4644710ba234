#pragma once

#include "platform/SettingsStore.h"

namespace platform {

// Settings kept in one INI file per application under the user's config folder
// ($XDG_CONFIG_HOME), one group per section.
class IniSettingsStore final : public SettingsStore {
public:
    QString read(const QString& application, const QString& section, const QString& key,
                 const QString& fallback) const override;
    void write(const QString& application, const QString& section, const QString& key,
               const QString& value) override;
};

} // namespace platform
