#pragma once

#include "platform/settings/SettingsStore.h"

#include <QMap>
#include <QStringList>

// A settings store in memory that remembers every write in order.
class MemorySettings final : public platform::SettingsStore {
public:
    QMap<QString, QString> values; // "section/key" -> value
    QStringList writes;            // "section/key=value", in order

    QString read(const QString&, const QString& section, const QString& key,
                 const QString& fallback) const override {
        return values.value(section + QLatin1Char('/') + key, fallback);
    }
    void write(const QString&, const QString& section, const QString& key,
               const QString& value) override {
        values[section + QLatin1Char('/') + key] = value;
        writes << section + QLatin1Char('/') + key + QLatin1Char('=') + value;
    }
    QStringList writesTo(const QString& section) const {
        QStringList result;
        for (const QString& w : writes) {
            if (w.startsWith(section + QLatin1Char('/')))
                result << w;
        }
        return result;
    }
};
