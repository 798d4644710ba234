#include "platform/desktop/QtSoundPlayer.h"

#include "platform/desktop/ModulePath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace platform {

QtSoundPlayer::QtSoundPlayer(QObject* parent) : QObject(parent) {}

QStringList QtSoundPlayer::soundFolders(const QString& programFolder) {
    // The install rules put the program in bin/ and its data in share/ostra/.
    return {QDir::currentPath(),
            QDir::cleanPath(programFolder + QStringLiteral("/../share/ostra"))};
}

std::optional<QString> QtSoundPlayer::playableFile(const QString& path,
                                                   const QStringList& folders) {
    if (path.isEmpty())
        return std::nullopt;
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    for (const QString& folder : folders) {
        const QFileInfo info(QDir(folder), p);
        if (info.isFile() && info.isReadable() && info.size() > 0)
            return info.absoluteFilePath();
    }
    return std::nullopt;
}

std::optional<QString> QtSoundPlayer::playableFile(const QString& path) {
    return playableFile(path, soundFolders(QCoreApplication::applicationDirPath()));
}

void QtSoundPlayer::play(const QString& path) {
    const auto file = playableFile(path);
    if (!file)
        return;
    if (!output_) {
        // Asked once: the answer does not change while a window lives, and
        // asking can be slow on a machine without sound. Like any library of
        // the program, the module stays loaded for the whole run.
        if (outputChecked_)
            return;
        outputChecked_ = true;
        QLibrary module(modulePath(QStringLiteral("libostra-sound.so")));
        const auto create = reinterpret_cast<CreateSoundOutput>(module.resolve(kCreateSoundOutput));
        if (!create) {
            qWarning("No sounds: %s", qPrintable(module.errorString()));
            return;
        }
        output_ = create(this);
        if (!output_)
            return;
    }
    output_->play(*file);
}

} // namespace platform
