#pragma once

#include <QString>

class QObject;

namespace platform {

// The system's sound output, made by the sound module (Qt Multimedia and the
// audio libraries under it load only when a button first sounds, not at
// every start).
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Plays the file without waiting, cutting off the sound playing.
    virtual void play(const QString& file) = 0;
};

// The module's one entry point: an output owned by `parent`, or none when
// the system has no audio output.
using CreateSoundOutput = SoundOutput* (*)(QObject* parent);
inline constexpr const char* kCreateSoundOutput = "ostraCreateSoundOutput";

} // namespace platform
