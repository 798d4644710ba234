#include "platform/desktop/QtSoundPlayer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

using platform::QtSoundPlayer;

namespace {

// Runs the test body with the current directory set to dir.
class InDirectory {
public:
    explicit InDirectory(const QString& dir) : old_(QDir::currentPath()) { QDir::setCurrent(dir); }
    ~InDirectory() { QDir::setCurrent(old_); }

private:
    QString old_;
};

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST(SoundFiles, PathsAreRelativeToTheCurrentDirectoryWithBackslashesAsSeparators) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("resources"));
    writeFile(dir.filePath("resources/over.wav"), "RIFF....WAVE");
    writeFile(dir.filePath("resources/empty.wav"), "");
    const InDirectory in(dir.path());
    const QString over = QDir(dir.path()).absoluteFilePath("resources/over.wav");
    EXPECT_EQ(QtSoundPlayer::playableFile(".\\resources\\over.wav"), over);
    EXPECT_EQ(QtSoundPlayer::playableFile("resources/over.wav"), over);
    EXPECT_EQ(QtSoundPlayer::playableFile(over), over);
    EXPECT_EQ(QtSoundPlayer::playableFile(""), std::nullopt);
    EXPECT_EQ(QtSoundPlayer::playableFile(".\\resources\\missing.wav"), std::nullopt);
    EXPECT_EQ(QtSoundPlayer::playableFile("resources\\empty.wav"), std::nullopt);
    EXPECT_EQ(QtSoundPlayer::playableFile(".\\resources"), std::nullopt);
    if (geteuid() != 0) { // root reads everything
        QFile::setPermissions(dir.filePath("resources/over.wav"), QFileDevice::WriteOwner);
        EXPECT_EQ(QtSoundPlayer::playableFile(".\\resources\\over.wav"), std::nullopt);
    }
}

// An installed program: bin/ostra and share/ostra/resources/ under one prefix.
TEST(SoundFiles, TheCurrentFolderComesFirstThenTheInstalledDataFolder) {
    QTemporaryDir prefix;
    QTemporaryDir elsewhere;
    ASSERT_TRUE(QDir(prefix.path()).mkpath("bin"));
    ASSERT_TRUE(QDir(prefix.path()).mkpath("share/ostra/resources"));
    ASSERT_TRUE(QDir(elsewhere.path()).mkpath("resources"));
    writeFile(prefix.filePath("share/ostra/resources/over.wav"), "RIFF....WAVE");
    writeFile(prefix.filePath("share/ostra/resources/click.wav"), "RIFF....WAVE");
    writeFile(elsewhere.filePath("resources/click.wav"), "RIFF....WAVE");
    const InDirectory in(elsewhere.path());
    const QStringList folders = QtSoundPlayer::soundFolders(prefix.filePath("bin"));
    EXPECT_EQ(QtSoundPlayer::playableFile(".\\resources\\over.wav", folders),
              QDir(prefix.path()).absoluteFilePath("share/ostra/resources/over.wav"));
    EXPECT_EQ(QtSoundPlayer::playableFile(".\\resources\\click.wav", folders),
              QDir(elsewhere.path()).absoluteFilePath("resources/click.wav"));
    EXPECT_EQ(QtSoundPlayer::playableFile(".\\resources\\missing.wav", folders), std::nullopt);
}

TEST(SoundFiles, PlayingReturnsAtOnceWhateverTheFile) {
    QObject owner;
    auto* player = new QtSoundPlayer(&owner);
    QTemporaryDir dir;
    writeFile(dir.filePath("junk.wav"), "not a wave file");
    // Missing, empty and unreadable-as-sound files, and the shipped sounds on a
    // machine that may have no audio output: none of them may fail or block.
    player->play(QString());
    player->play(dir.filePath("missing.wav"));
    player->play(dir.filePath("junk.wav"));
    player->play(QStringLiteral(OSTRA_SOURCE_DIR "/resources/over.wav"));
    player->play(QStringLiteral(OSTRA_SOURCE_DIR "/resources/click.wav"));
    SUCCEED();
}
