#include "platform/desktop/QtSoundPlayer.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

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
    if (!effect_) {
        // Asked once: the answer does not change while a window lives, and
        // asking can be slow on a machine without sound.
        if (outputChecked_)
            return;
        outputChecked_ = true;
        if (QMediaDevices::audioOutputs().isEmpty())
            return;
        effect_ = new QSoundEffect(this);
    }
    effect_->stop();
    effect_->setSource(QUrl::fromLocalFile(*file));
    effect_->play();
}

} // namespace platform
