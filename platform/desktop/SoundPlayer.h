#pragma once

#include <QString>

namespace platform {

// Plays a sound file without waiting; a new sound replaces the one playing.
// A path that names no playable file plays nothing and reports nothing.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString& path) = 0;
};

} // namespace platform
