#include "shell/Placement.h"

#include "editor/AppTitle.h"
#include "platform/SettingsStore.h"

#include <cmath>

namespace shell {

namespace {

float readNumber(const platform::SettingsStore& store, const QString& section, const char* key,
                 float fallback) {
    const QString text = store.read(editor::kAppTitle, section, QLatin1String(key), QString());
    bool ok = false;
    const float value = text.trimmed().toFloat(&ok);
    return ok && std::isfinite(value) ? value : fallback;
}

} // namespace

QString placementText(float twips) {
    return QString::number(static_cast<double>(twips), 'g', 7);
}

Placement readPlacement(const platform::SettingsStore& store, const QString& section,
                        float innerWidth, float innerHeight) {
    Placement p;
    p.width = readNumber(store, section, "Width", 10620);
    p.height = readNumber(store, section, "Height", 6030);
    p.x = readNumber(store, section, "X", innerWidth / 2);
    p.y = readNumber(store, section, "Y", innerHeight / 2);
    const float state = readNumber(store, section, "WindowState", 0);
    p.windowState = state == 1 || state == 2 ? static_cast<int>(state) : 0;
    return p;
}

void writePlacement(platform::SettingsStore& store, const QString& section,
                    const Placement& placement) {
    store.write(editor::kAppTitle, section, QStringLiteral("Width"),
                placementText(placement.width));
    store.write(editor::kAppTitle, section, QStringLiteral("Height"),
                placementText(placement.height));
    store.write(editor::kAppTitle, section, QStringLiteral("Y"), placementText(placement.y));
    store.write(editor::kAppTitle, section, QStringLiteral("X"), placementText(placement.x));
    store.write(editor::kAppTitle, section, QStringLiteral("WindowState"),
                QString::number(placement.windowState));
}

} // namespace shell
