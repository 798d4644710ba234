#include "editor/document/DocumentWriter.h"
#include "editor/document/InterruptedSaves.h"
#include "editor/document/SaveJournal.h"
#include "support/FakePrompts.h"
#include "support/Files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <vector>

#include <acl/libacl.h>
#include <sys/acl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

using namespace editor;

namespace {

QByteArray nameOf(const QString& path) {
    return QFile::encodeName(path);
}

struct stat statOf(const QString& path) {
    struct stat st {};
    ::lstat(nameOf(path).constData(), &st);
    return st;
}

QStringList ourTempFiles(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral(".ostra-*")}, QDir::Files | QDir::Hidden);
}

class SaveSafetyTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QTemporaryDir journal;
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }

    SaveOptions options() const {
        SaveOptions o;
        o.journalFolder = journal.path();
        return o;
    }

    // Saves in a child process that is killed the nth time the save reaches
    // `step`; true when it was killed there.
    bool killedAt(SaveStep step, int nth, const QString& target, const std::string& text) {
        const pid_t child = ::fork();
        if (child == 0) {
            SaveOptions o = options();
            int count = 0;
            o.reached = [&](SaveStep reached) {
                if (reached == step && ++count == nth)
                    ::raise(SIGKILL);
            };
            writeDocument(target, text, TextEncoding::Utf8, o);
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    }
};

} // namespace

TEST_F(SaveSafetyTest, AKillAtAnyMomentLeavesTheOldOrNewTextOrTheNextStartPutsTheOldBack) {
    const QByteArray oldText(3 << 20, 'o');  // three pieces of the writer
    const std::string newText(2 << 20, 'n'); // two: the first leaves a mix
    struct Case {
        const char* name;
        bool hardLinked; // written in place
        SaveStep step;
        int nth;
        bool newAfterKill;
        bool asked; // the next start offers the old text back
    };
    const std::vector<Case> cases = {
        {"temporary file durable", false, SaveStep::TempWritten, 1, false, false},
        {"renamed", false, SaveStep::Renamed, 1, true, false},
        {"safety copy durable", true, SaveStep::SafetyCopyDurable, 1, false, false},
        {"first piece in place", true, SaveStep::InPlacePiece, 1, false, true},
        {"in place, durable", true, SaveStep::InPlaceDurable, 1, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString page = path("big.html");
        const QString link = path("link.html");
        QFile::remove(page);
        QFile::remove(link);
        writeRaw(page, oldText);
        if (c.hardLinked) {
            ASSERT_EQ(::link(nameOf(page).constData(), nameOf(link).constData()), 0);
        }

        ASSERT_TRUE(killedAt(c.step, c.nth, page, newText));
        const QByteArray afterKill = readRaw(page);
        if (!c.asked) {
            EXPECT_EQ(afterKill, c.newAfterKill ? QByteArray::fromStdString(newText) : oldText);
        }

        FakePrompts prompts;
        prompts.answers = {platform::PromptAnswer::Yes};
        settleInterruptedSaves(journal.path(), prompts, nullptr);
        EXPECT_EQ(prompts.messages.size(), c.asked ? 1u : 0u);
        if (c.asked) {
            EXPECT_EQ(readRaw(page), oldText);
        }
        if (c.hardLinked) {
            EXPECT_EQ(readRaw(link), readRaw(page));
        }
        EXPECT_TRUE(QDir(journal.path()).isEmpty())
            << QDir(journal.path()).entryList().join(' ').toStdString();

        // The next save into the folder removes what the killed one left.
        ASSERT_TRUE(writeDocument(path("other.html"), "x", TextEncoding::Utf8, options()).ok);
        EXPECT_EQ(ourTempFiles(dir.path()), QStringList());
    }
}

TEST_F(SaveSafetyTest, AnInPlaceWriteThatFailsPutsTheOldContentBack) {
    // A file-size limit makes the write fail part-way, as a full disk would.
    const QString page = path("page.html");
    const QString link = path("link.html");
    writeRaw(page, QByteArray(3000, 'o'));
    ASSERT_EQ(::link(nameOf(page).constData(), nameOf(link).constData()), 0);
    const WriteResult r = underFileSizeLimit(4096, [&] {
        return writeDocument(page, std::string(64 * 1024, 'n'), TextEncoding::Utf8, options());
    });
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.errorMessage.contains(QStringLiteral("was not changed")));
    EXPECT_EQ(readRaw(link), QByteArray(3000, 'o'));
    EXPECT_TRUE(QDir(journal.path()).isEmpty());
}

TEST_F(SaveSafetyTest, OnlyTemporaryFilesOfDeadSavesAreRemoved) {
    const pid_t dead = ::fork();
    if (dead == 0)
        ::_exit(0);
    ::waitpid(dead, nullptr, 0);
    const QStringList kept = {QStringLiteral(".ostra-%1-abcdef").arg(::getpid()),
                              QStringLiteral(".ostra-%1-abcdefg").arg(dead),
                              QStringLiteral(".ostra-notes")};
    for (const QString& name : kept)
        writeRaw(dir.filePath(name), "keep");
    writeRaw(dir.filePath(QStringLiteral(".ostra-%1-zzzzzz").arg(dead)), "dead save");
    ASSERT_TRUE(writeDocument(path("page.html"), "x", TextEncoding::Utf8, options()).ok);
    QStringList left = ourTempFiles(dir.path());
    left.sort();
    QStringList expected = kept;
    expected.sort();
    EXPECT_EQ(left, expected);
}

TEST_F(SaveSafetyTest, AclsExtendedAttributesAndTheGroupOfASetgidFolderAreKept) {
    const QString page = path("page.html");
    writeRaw(page, "old");
    acl_t acl = acl_from_text("u::rw-,u:nobody:rw-,g::r--,m::r--,o::---");
    ASSERT_NE(acl, nullptr);
    if (acl_set_file(nameOf(page).constData(), ACL_TYPE_ACCESS, acl) != 0)
        GTEST_SKIP() << "no ACLs on this file system";
    acl_free(acl);
    ASSERT_EQ(::setxattr(nameOf(page).constData(), "user.origin", "web", 3, 0), 0);

    ASSERT_TRUE(writeDocument(page, "new", TextEncoding::Utf8, options()).ok);
    EXPECT_EQ(readRaw(page), QByteArray("new"));
    acl_t now = acl_get_file(nameOf(page).constData(), ACL_TYPE_ACCESS);
    char* text = acl_to_any_text(now, nullptr, ',', 0);
    // The mask stays r--: the group bits of the mode must not widen it.
    EXPECT_STREQ(text, "user::rw-,user:nobody:rw-,group::r--,mask::r--,other::---");
    acl_free(text);
    acl_free(now);
    char value[8] = {};
    EXPECT_EQ(::getxattr(nameOf(page).constData(), "user.origin", value, sizeof value), 3);
    EXPECT_STREQ(value, "web");

    // A setgid folder of another group: the file keeps its own.
    const QString shared = path("shared");
    ASSERT_TRUE(QDir().mkdir(shared));
    const gid_t folderGroup = 100;
    const gid_t fileGroup = ::getegid() == folderGroup ? 101 : ::getegid();
    if (::chown(nameOf(shared).constData(), ::geteuid(), folderGroup) != 0)
        GTEST_SKIP() << "cannot give the folder another group";
    ASSERT_EQ(::chmod(nameOf(shared).constData(), 02775), 0);
    const QString inShared = shared + QStringLiteral("/page.html");
    writeRaw(inShared, "old");
    ASSERT_EQ(::chown(nameOf(inShared).constData(), ::geteuid(), fileGroup), 0);
    ASSERT_TRUE(writeDocument(inShared, "new", TextEncoding::Utf8, options()).ok);
    EXPECT_EQ(statOf(inShared).st_gid, fileGroup);
    EXPECT_EQ(readRaw(inShared), QByteArray("new"));
}

TEST_F(SaveSafetyTest, ANameNearTheLengthLimitIsSaved) {
    const QString page = dir.filePath(QString(250, QLatin1Char('n')) + QStringLiteral(".html"));
    writeRaw(page, "old");
    const WriteResult r = writeDocument(page, "new", TextEncoding::Utf8, options());
    EXPECT_TRUE(r.ok) << r.errorMessage.toStdString();
    EXPECT_EQ(readRaw(page), QByteArray("new"));
}

TEST_F(SaveSafetyTest, APrivateCopyNeverWritesThroughALinkAndIsTheUsersAlone) {
    const QString important = path("important.txt");
    writeRaw(important, "precious");
    const QString temp = path("tempfile.html");
    ASSERT_TRUE(QFile::link(important, temp));
    SaveOptions o = options();
    o.kind = SaveOptions::Kind::PrivateCopy;
    ASSERT_TRUE(writeDocument(temp, "<p>page", TextEncoding::Utf8, o).ok);
    EXPECT_EQ(readRaw(important), QByteArray("precious"));
    EXPECT_TRUE(S_ISREG(statOf(temp).st_mode));
    EXPECT_EQ(statOf(temp).st_mode & 07777, 0600u);
    EXPECT_EQ(readRaw(temp), QByteArray("<p>page"));

    // A folder that others can write is refused.
    ASSERT_EQ(::chmod(nameOf(dir.path()).constData(), 0777), 0);
    const WriteResult shared = writeDocument(temp, "<p>page", TextEncoding::Utf8, o);
    ::chmod(nameOf(dir.path()).constData(), 0700);
    EXPECT_FALSE(shared.ok);
    EXPECT_TRUE(shared.errorMessage.contains(QStringLiteral("other users")));
}
