#pragma once

#include "platform/desktop/SoundOutput.h"
#include "platform/desktop/SoundPlayer.h"

#include <QObject>

#include <optional>

namespace platform {

// Sounds through Qt Multimedia, in the sound module loaded at the first
// sound. One player serves every button of a window, so a new sound cuts off
// the one playing. Without an audio output (or the module) it stays silent.
class QtSoundPlayer : public QObject, public SoundPlayer {
    Q_OBJECT
public:
    explicit QtSoundPlayer(QObject* parent);

    void play(const QString& path) override;

    // The file a sound path names: backslashes are folder separators and a
    // relative path is looked up in `folders`, the first that holds a
    // playable file winning. nullopt for an empty path and for a file that is
    // missing, unreadable, empty or not a file in every folder.
    static std::optional<QString> playableFile(const QString& path, const QStringList& folders);
    // The same in the folders of soundFolders() for this program.
    static std::optional<QString> playableFile(const QString& path);
    // The current folder, then the data folder installed beside the program's
    // own folder (share/ostra next to bin/), so an installed program started
    // from anywhere still finds its sounds.
    static QStringList soundFolders(const QString& programFolder);

private:
    SoundOutput* output_ = nullptr; // made at the first sound, if there is an output
    bool outputChecked_ = false;
};

} // namespace platform
