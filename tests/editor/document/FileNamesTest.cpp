#include "core/text/PathBytes.h"
#include "editor/editing/SourceEditor.h"
#include "editor/frmMain.h"
#include "support/DocumentWindowTest.h"
#include "support/Drops.h"
#include "support/Menus.h"

#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

// QFile cannot name these files: the test goes to the file system itself.
void writeAt(const QByteArray& name, const QByteArray& content) {
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, content.constData(), content.size()), content.size());
    ::close(fd);
}

QByteArray readAt(const QByteArray& name) {
    QByteArray content(256, '\0');
    const int fd = ::open(name.constData(), O_RDONLY);
    const ssize_t n = fd < 0 ? -1 : ::read(fd, content.data(), content.size());
    if (fd >= 0)
        ::close(fd);
    return n < 0 ? QByteArray("<unreadable>") : content.left(n);
}

QList<QByteArray> namesIn(const QByteArray& folder) {
    QList<QByteArray> names;
    if (DIR* d = ::opendir(folder.constData())) {
        while (const dirent* e = ::readdir(d)) {
            if (e->d_name[0] != '.')
                names << QByteArray(e->d_name);
        }
        ::closedir(d);
    }
    std::sort(names.begin(), names.end());
    return names;
}

class FileNamesTest : public DocumentWindowTest {
protected:
    QTemporaryDir dir;
    QByteArray folder() const { return QFile::encodeName(dir.path()); }
    QByteArray in(const char* name) const { return folder() + "/" + name; }
    // QTemporaryDir cannot remove what it cannot name.
    void TearDown() override {
        for (const QByteArray& name : namesIn(folder()))
            ::unlink((folder() + "/" + name).constData());
    }
};

} // namespace

TEST_F(FileNamesTest, NamesThatAreNotUtf8KeepTheirBytesThroughOpenSaveAsDialogsAndDrops) {
    const QByteArray bad = in("bad\xFF.html");
    const QByteArray out = in("out\xFE.html");
    writeAt(bad, "from bad");

    // As the command line hands it on.
    ASSERT_TRUE(window->OpenFile(core::pathFromBytes(bad.toStdString())));
    EXPECT_EQ(text(), QByteArray("from bad"));

    prompts.fileNames = {core::pathFromBytes(out.toStdString())};
    trigger(*window, "mnuSaveAs");
    EXPECT_EQ(readAt(out), QByteArray("from bad"));
    EXPECT_EQ(namesIn(folder()), (QList<QByteArray>{"bad\xFF.html", "out\xFE.html"}));

    // Qt's dialog shows the bad byte as U+FFFD and returns the name so.
    writeAt(bad, "changed");
    prompts.fileNames = {QString::fromUtf8(bad)};
    trigger(*window, "mnuOpen");
    EXPECT_EQ(text(), QByteArray("changed"));
    EXPECT_EQ(core::pathBytes(window->CurrentFile()), bad);

    // A file manager percent-encodes the bytes in the dropped URL.
    writeAt(out, "dropped");
    QMimeData data;
    data.setUrls({QUrl::fromEncoded("file://" + out.toPercentEncoding("/"))});
    dropOn(coding->viewport(), QPoint(20, 20), data);
    EXPECT_EQ(text(), QByteArray("dropped"));
}
