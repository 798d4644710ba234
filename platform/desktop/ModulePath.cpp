#include "platform/desktop/ModulePath.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace platform {

QString modulePath(const QString& fileName) {
    const QString program = QCoreApplication::applicationDirPath();
    const QString beside = program + QLatin1Char('/') + fileName;
    if (QFileInfo::exists(beside))
        return beside;
    return program + QStringLiteral("/../" OSTRA_MODULE_DIR "/") + fileName;
}

} // namespace platform
