#include "core/text/PathBytes.h"
#include "editor/editing/EditorView.h"
#include "editor/editing/SourceEditor.h"
#include "editor/frmMain.h"
#include "editor/recovery/RecoveryStore.h"
#include "platform/files/ContentDigest.h"
#include "support/FakePrompts.h"
#include "support/Files.h"
#include "support/RecordingPlacement.h"

#include <QDir>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using editor::frmMain;
using editor::RecoveryCopy;
using editor::RecoveryStore;
using platform::PromptAnswer;

namespace {

class RecoveryTest : public ::testing::Test {
protected:
    QTemporaryDir files;
    QTemporaryDir state;
    FakePrompts prompts;
    RecordingPlacement placement;

    // A document window as the program makes it; its copies are written
    // when the test flushes them. Destroyed without a close, it is a killed
    // program whose writer had finished: its copies stay.
    std::unique_ptr<frmMain> start(const RecoveryStore& store,
                                   editor::RecoveryKeeper::Timing timing = {}) {
        auto window = std::make_unique<frmMain>(prompts, placement);
        window->setRecovery(store, timing);
        window->create(QString());
        window->show();
        QCoreApplication::processEvents(); // the offer comes once the window shows
        return window;
    }
    QStringList entries(const char* pattern) const {
        return QDir(state.path()).entryList({QLatin1String(pattern)}, QDir::Files);
    }
    static void type(frmMain& w, const char* keys) {
        QTest::keyClicks(w.coding()->viewport(), keys);
        QCoreApplication::processEvents();
    }
    static QByteArray text(frmMain& w) {
        const std::string_view b = w.coding()->textBytes();
        return QByteArray(b.data(), static_cast<qsizetype>(b.size()));
    }
    QString path(const char* name) const { return files.filePath(QLatin1String(name)); }
};

} // namespace

TEST_F(RecoveryTest, ACopyFollowsUnsavedChangesAndGoesWhenTheyAreSavedOrDeclined) {
    const RecoveryStore store(state.path());
    auto window = start(store);
    window->recovery()->flush(); // the untouched page gets no copy
    EXPECT_TRUE(entries("*.journal").isEmpty());

    type(*window, "typed");
    window->recovery()->flush();
    EXPECT_EQ(entries("*.journal").size(), 1);
    EXPECT_EQ(entries("*.base").size(), 1);

    ASSERT_TRUE(window->SaveFile(path("page.html")));
    window->recovery()->flush();
    EXPECT_TRUE(QDir(state.path()).entryList(QDir::Files).filter(QStringLiteral(".lock")).size() ==
                QDir(state.path()).entryList(QDir::Files).size());

    type(*window, "more");
    window->recovery()->flush();
    EXPECT_EQ(entries("*.journal").size(), 1);
    prompts.answers = {PromptAnswer::No};
    EXPECT_TRUE(window->close());
    window->recovery()->flush();
    EXPECT_TRUE(entries("*.journal").isEmpty());
    EXPECT_TRUE(entries("*.base").isEmpty());
}

TEST_F(RecoveryTest, EveryKeyComesBackAfterAKillAndAgainAfterAKillRightAfterYes) {
    // A file as it was read is the base: only the edits are written, each at
    // once, long before the pause that syncs them.
    using std::chrono::minutes;
    const QString file = path("caf\u00e9.css");
    writeRaw(file, "body { }\ncaf\xE9"); // Windows-1252
    QByteArray typed;
    {
        const RecoveryStore crashed(state.path());
        auto window = start(crashed, {minutes(1), minutes(1), minutes(1), minutes(1)});
        ASSERT_TRUE(window->OpenFile(file));
        window->coding()->SendScintilla(QsciScintilla::SCI_DOCUMENTEND);
        QTest::keyClick(window->coding()->viewport(), Qt::Key_Return);
        type(*window, "PRECIOUS");
        window->coding()->SendScintilla(QsciScintilla::SCI_GOTOPOS, 2UL);
        QTest::keyClick(window->coding()->viewport(), Qt::Key_Delete);
        typed = text(*window);
        // The writer thread appends the last edit without being asked to flush.
        const QByteArray deleted = QByteArray::fromStdString(
            editor::encodeJournalEdit({editor::JournalEdit::Kind::Delete, 2, 1, {}}));
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                QFile journal(state.filePath(entries("*.journal").value(0)));
                return journal.open(QIODevice::ReadOnly) && journal.readAll().endsWith(deleted);
            },
            5000));
        EXPECT_LT(QFileInfo(state.filePath(entries("*.journal").value(0))).size(), 600);
        window.reset(); // killed: nothing is closed or removed
    }
    for (const char* run : {"killed right after Yes", "restored again"}) {
        SCOPED_TRACE(run);
        prompts.messages.clear();
        prompts.answers = {PromptAnswer::Yes};
        const RecoveryStore store(state.path());
        auto window = start(store);
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_EQ(
            prompts.messages[0].text,
            QStringLiteral("Ostra was not closed properly. Recover the unsaved changes to %1?")
                .arg(file));
        EXPECT_EQ(text(*window), typed);
        EXPECT_EQ(window->CurrentFile(), file);
        EXPECT_EQ(window->encoding(), editor::TextEncoding::Windows1252);
        EXPECT_EQ(window->DocumentType(), core::DocumentType::CSS);
        EXPECT_FALSE(window->IsSaved());
        window.reset(); // killed again
    }
}

TEST_F(RecoveryTest, AnUntitledPageACopyOfTheOlderFormAndAFileChangedSinceAreOfferedAsTheyAre) {
    {
        const RecoveryStore crashed(state.path());
        auto window = start(crashed);
        window->findChild<QRadioButton*>(QStringLiteral("Option1_1"))->click(); // XML
        type(*window, "<untitled/>");
        window->recovery()->flush();
        window.reset();
    }
    {
        const RecoveryStore older(state.path());
        writeRaw(QDir(state.path()).filePath(QStringLiteral("1-old.recovery")),
                 QByteArray::fromStdString(editor::recoveryHeader(
                     RecoveryCopy{path("gone.html"), {}, {}, {}, "older form"})) +
                     "older form");
    }
    // The copy of the older form is the newer: offered first.
    prompts.answers = {PromptAnswer::Yes};
    const RecoveryStore store(state.path());
    auto window = start(store);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(
        prompts.messages[0].text.endsWith(QStringLiteral("The file no longer exists on disk.")));
    EXPECT_EQ(text(*window), QByteArray("older form"));
    // Protected afresh before the older copy goes.
    window->recovery()->flush();
    EXPECT_TRUE(entries("*.recovery").isEmpty());
    EXPECT_EQ(entries("*.journal").size(), 2); // this run's, and the untitled page's
    window.reset();                            // killed

    prompts.messages.clear();
    prompts.answers = {PromptAnswer::Yes};
    const RecoveryStore after(state.path());
    auto next = start(after);
    ASSERT_EQ(prompts.messages.size(), 1u);
    const bool untitledFirst = text(*next).startsWith("<untitled/>");
    if (untitledFirst) {
        EXPECT_EQ(next->DocumentType(), core::DocumentType::XML);
        EXPECT_TRUE(next->CurrentFile().isEmpty());
    } else {
        EXPECT_EQ(text(*next), QByteArray("older form"));
    }
    EXPECT_TRUE(next->coding()->isModified());
}

TEST_F(RecoveryTest, CopiesThatCannotBeReadAreSetAsideOnceAndTheProgramAlwaysStarts) {
    const QDir dir(state.path());
    writeRaw(dir.filePath(QStringLiteral("1-a.recovery")),
             "Ostra recovery copy 1\nfile: \nlength: 99\n\ncut sh");
    {
        // A copy far larger than memory (sparse: it takes no room).
        const int fd =
            ::open(QFile::encodeName(dir.filePath(QStringLiteral("2-b.journal"))).constData(),
                   O_CREAT | O_WRONLY, 0600);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, 40LL << 30), 0);
        ::close(fd);
    }
    editor::JournalHeader relative;
    relative.file = QStringLiteral("../../evil\nname.html");
    relative.baseName = "3-c-1.base";
    writeRaw(dir.filePath(QStringLiteral("3-c-1.base")), "");
    relative.baseChecksum = platform::ContentDigest().value();
    writeRaw(dir.filePath(QStringLiteral("3-c.journal")),
             QByteArray::fromStdString(editor::encodeJournalHeader(relative)));
    // What killed runs leave half done.
    writeRaw(dir.filePath(QStringLiteral("4-d.journal.new")), "half");
    writeRaw(dir.filePath(QStringLiteral("5-e.lock")), "");

    const RecoveryStore store(state.path());
    EXPECT_FALSE(dir.exists(QStringLiteral("4-d.journal.new")));
    EXPECT_FALSE(dir.exists(QStringLiteral("5-e.lock")));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(state.path()).constData(), &st), 0);
    for (int run = 0; run < 4; ++run) {
        auto window = start(store);
        window->close();
    }
    // Each once, each set aside, the page untouched.
    QStringList told;
    for (const auto& m : prompts.messages) {
        if (m.text.startsWith(
                QStringLiteral("The recovery copy of the last session cannot be restored")))
            told << m.text;
    }
    ASSERT_EQ(told.size(), 3);
    EXPECT_EQ(told.filter(QStringLiteral("too large to read")).size(), 1);
    EXPECT_EQ(told.filter(QStringLiteral("not whole")).size(), 1);
    EXPECT_EQ(dir.entryList({QStringLiteral("*.damaged")}, QDir::Files).size(), 3);
}

TEST_F(RecoveryTest,
       AFolderThatCannotBeWrittenIsShownUntilItCanAndAnAnsweredCopyIsNotOfferedAgain) {
    const QString folder = state.filePath(QStringLiteral("ostra"));
    writeRaw(folder, "a file where the folder should be");
    const RecoveryStore store(folder);
    auto window = start(store);
    type(*window, "x");
    window->recovery()->flush();
    QCoreApplication::processEvents();
    EXPECT_TRUE(
        window->view().statusText().contains(QStringLiteral("Unsaved changes are not protected")));
    QFile::remove(folder); // the condition clears: the next write protects the text
    type(*window, "y");
    window->recovery()->flush();
    QCoreApplication::processEvents();
    window->recovery()->flush();
    EXPECT_FALSE(window->view().statusText().contains(QStringLiteral("not protected")));
    EXPECT_EQ(QDir(folder).entryList({QStringLiteral("*.journal")}, QDir::Files).size(), 1);
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(folder).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
}

TEST_F(RecoveryTest, ARecoveredPageWithALongLineIsPreparedAsOpeningPreparesIt) {
    writeRaw(path("long.html"), QByteArray(20000, 'x'));
    {
        const RecoveryStore crashed(state.path());
        auto window = start(crashed);
        ASSERT_TRUE(window->OpenFile(path("long.html")));
        ASSERT_TRUE(window->coding()->holdsLongLines());
        type(*window, "y");
        window->recovery()->flush();
        window.reset();
    }
    prompts.answers = {PromptAnswer::Yes};
    const RecoveryStore store(state.path());
    auto window = start(store);
    EXPECT_TRUE(window->coding()->holdsLongLines());
    EXPECT_EQ(text(*window).size(), 20001);
}

TEST_F(RecoveryTest, AFileIsTheBaseUntilItsCopyIsMadeAndAChangeFromOutsideAtAnyTimeLosesNoKey) {
    using std::chrono::milliseconds;
    using std::chrono::minutes;
    const QString file = path("page.html");
    const QByteArray read = "<p>as read</p>";
    enum class When { BeforeTheCopy, AfterTheCopy, AfterLeavingWhileTyping };
    struct Case {
        const char* what;
        When changed;
        milliseconds latestCopy;
        milliseconds rest;
    };
    for (const Case c :
         {Case{"changed before the copy (its latest moment): the text becomes the base",
               When::BeforeTheCopy, milliseconds(30), minutes(1)},
          Case{"changed after the copy made once typing rested", When::AfterTheCopy, minutes(1),
               milliseconds(30)},
          Case{"changed once the program was left, a key still pending",
               When::AfterLeavingWhileTyping, minutes(1), minutes(1)}}) {
        SCOPED_TRACE(c.what);
        const QTemporaryDir folder;
        const auto bases = [&] {
            return QDir(folder.path()).entryList({QStringLiteral("*.base")}, QDir::Files);
        };
        writeRaw(file, read);
        QByteArray typed;
        {
            const RecoveryStore crashed(folder.path());
            auto window = start(crashed, {minutes(1), minutes(1), c.latestCopy, c.rest});
            ASSERT_TRUE(window->OpenFile(file));
            type(*window, "typed ");
            window->recovery()->flush();
            EXPECT_TRUE(bases().isEmpty()); // the keys did not wait on a copy
            if (c.changed == When::BeforeTheCopy)
                writeRaw(file, "<p>changed by another program</p>");
            if (c.changed == When::AfterLeavingWhileTyping) {
                type(*window, "more ");
                emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
            } else {
                QTest::qWait(60);
            }
            window->recovery()->flush();
            QCoreApplication::processEvents(); // a fallback to the text is asked from the writer
            window->recovery()->flush();
            typed = text(*window);
            ASSERT_EQ(bases().size(), 1);
            QFile base(QDir(folder.path()).filePath(bases()[0]));
            ASSERT_TRUE(base.open(QIODevice::ReadOnly));
            EXPECT_EQ(base.readAll(), c.changed == When::BeforeTheCopy ? typed : read);
            if (c.changed != When::BeforeTheCopy)
                writeRaw(file, "<p>changed by another program</p>");
            window.reset(); // killed
        }
        prompts.messages.clear();
        prompts.answers = {PromptAnswer::Yes};
        const RecoveryStore store(folder.path());
        auto window = start(store);
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_EQ(text(*window), typed);
        EXPECT_EQ(window->CurrentFile(), file);
    }
}

TEST_F(RecoveryTest, AJournalRewriteThatFailsMakesTheTextTheBaseAndLosesNoEdit) {
    // The folder is gone (a full disk does the same) just when a long journal
    // is to be rewritten from the text, and back before the next key.
    const QString file = path("page.html");
    // Larger than each paste, so that only the second deletion makes the
    // journal longer than the text.
    const QByteArray read = "<p>" + QByteArray(1200 * 1024, 'b') + "</p>";
    writeRaw(file, read);
    QByteArray typed;
    {
        const RecoveryStore crashed(state.path());
        auto window = start(crashed);
        ASSERT_TRUE(window->OpenFile(file));
        editor::SourceEditor& coding = *window->coding();
        coding.SendScintilla(QsciScintilla::SCI_DOCUMENTEND);
        const std::string pasted(1024 * 1024, 'a');
        const auto paste = [&](const std::string& bytes) {
            coding.SendScintilla(QsciScintilla::SCI_DOCUMENTEND);
            coding.SendScintilla(QsciScintilla::SCI_ADDTEXT, bytes.size(), bytes.data());
            window->recovery()->flush();
        };
        const auto cutPasted = [&] {
            coding.SendScintilla(QsciScintilla::SCI_DELETERANGE,
                                 static_cast<unsigned long>(read.size()), 1024L * 1024);
            QCoreApplication::processEvents();
        };
        paste(pasted);
        cutPasted();
        paste(pasted + "KEEP");
        ASSERT_TRUE(QDir(state.path()).removeRecursively());
        writeRaw(state.path(), "not a folder");
        cutPasted(); // the journal is now longer than the text: its rewrite fails
        ASSERT_TRUE(QFile::remove(state.path()) && QDir().mkpath(state.path()));
        coding.SendScintilla(QsciScintilla::SCI_DOCUMENTEND);
        type(*window, "x");
        window->recovery()->flush();
        typed = text(*window);
        ASSERT_EQ(typed, read + "KEEPx");
        window.reset(); // killed
    }
    prompts.answers = {PromptAnswer::Yes};
    const RecoveryStore store(state.path());
    auto window = start(store);
    EXPECT_EQ(text(*window), typed);
}
