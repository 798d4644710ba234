// The sound module: the program's sound output through Qt Multimedia, in a
// library of its own that the program loads at the first sound.
#include "platform/desktop/SoundOutput.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QObject>
#include <QSoundEffect>
#include <QUrl>

namespace {

class QtSoundOutput final : public QObject, public platform::SoundOutput {
public:
    explicit QtSoundOutput(QObject* parent) : QObject(parent), effect_(new QSoundEffect(this)) {}

    void play(const QString& file) override {
        effect_->stop();
        effect_->setSource(QUrl::fromLocalFile(file));
        effect_->play();
    }

private:
    QSoundEffect* effect_;
};

} // namespace

extern "C" Q_DECL_EXPORT platform::SoundOutput* ostraCreateSoundOutput(QObject* parent) {
    // Asking can be slow on a machine without sound: the caller asks once.
    if (QMediaDevices::audioOutputs().isEmpty())
        return nullptr;
    return new QtSoundOutput(parent);
}
