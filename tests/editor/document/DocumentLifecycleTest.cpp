#include "editor/document/DocumentFiles.h"
#include "editor/document/DocumentState.h"
#include "support/FakePrompts.h"
#include "support/Files.h"
#include "support/StringText.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

#include <sys/stat.h>

using namespace editor;

TEST(DocumentLifecycle, OpenEditSaveAndPreviewMoveTheStateAndTheSavePointOnTheTextAlone) {
    QTemporaryDir dir;
    const QString page = dir.filePath(QStringLiteral("caf\u00e9.html"));
    writeRaw(page, "<p>caf\xE9</p>\n<p>");
    FakePrompts prompts;
    StringText text;
    DocumentState state;
    int changes = 0;
    DocumentFiles files(nullptr, prompts, text, state, [&] { ++changes; });

    files.loadDefaultPage();
    EXPECT_FALSE(text.isModified()); // untouched: Open may replace it without asking
    EXPECT_FALSE(text.undoable);
    EXPECT_EQ(text.lineEnd, LineEnd::CrLf);

    ASSERT_TRUE(files.OpenFile(page));
    EXPECT_EQ(text.text, "<p>caf\xC3\xA9</p>\n<p>");
    EXPECT_EQ(state.CurrentFile, page);
    EXPECT_TRUE(state.IsSaved);
    EXPECT_EQ(state.encoding, TextEncoding::Windows1252);
    EXPECT_EQ(text.lineEnd, LineEnd::Lf);
    EXPECT_EQ(text.caret, 0);
    EXPECT_FALSE(text.isModified());
    EXPECT_EQ(changes, 1);

    text.replaceText("<p>th\xC3\xA9</p>");
    EXPECT_TRUE(text.isModified());
    ASSERT_TRUE(files.save());
    EXPECT_EQ(readRaw(page), QByteArray("<p>th\xE9</p>")); // the encoding it was read in
    EXPECT_FALSE(text.isModified());

    EXPECT_FALSE(files.OpenFile(dir.filePath(QStringLiteral("missing.html"))));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(state.CurrentFile, page);
    EXPECT_EQ(text.text, "<p>th\xC3\xA9</p>");

    const QString copy = dir.filePath(QStringLiteral("tempfile.html"));
    ASSERT_TRUE(files.savePreviewCopy(copy));
    EXPECT_EQ(readRaw(copy), QByteArray("<p>th\xE9</p>"));
    EXPECT_TRUE(state.CurrentFile.isEmpty());
    EXPECT_FALSE(state.IsSaved);
}

namespace {

// The document window's file lifecycle on a real file, without a widget.
struct Lifecycle {
    QTemporaryDir dir;
    QTemporaryDir journal;
    FakePrompts prompts;
    StringText text;
    DocumentState state;
    DocumentFiles files{nullptr, prompts, text, state, [] {}};
    QString page = dir.filePath(QStringLiteral("page.html"));

    Lifecycle() { files.setJournalFolder(journal.path()); }
    // Another program appends to the file, as `echo >>` would.
    void appendFromOutside(const QByteArray& bytes) {
        QFile f(page);
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write(bytes);
    }
};

} // namespace

TEST(DocumentLifecycle, AnotherProgramsChangeIsNeverOverwrittenUnseen) {
    struct Case {
        const char* name;
        int choice; // Save Anyway, Save As..., Cancel
        bool saved;
        QByteArray onDisk;
    };
    const std::vector<Case> cases = {
        {"save anyway", 0, true, "<p>mine"},
        {"cancel", 2, false, "<p>\nfrom outside\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Lifecycle l;
        writeRaw(l.page, "<p>\n");
        ASSERT_TRUE(l.files.OpenFile(l.page));
        l.text.replaceText("<p>mine");
        l.appendFromOutside("from outside\n");
        l.prompts.choices = {c.choice};
        EXPECT_EQ(l.files.save(), c.saved);
        ASSERT_EQ(l.prompts.offered.size(), 1u);
        EXPECT_EQ(readRaw(l.page), c.onDisk);
        EXPECT_EQ(l.text.isModified(), !c.saved);
    }

    // A touch that changes no byte asks nothing.
    Lifecycle touched;
    writeRaw(touched.page, "<p>\n");
    ASSERT_TRUE(touched.files.OpenFile(touched.page));
    writeRaw(touched.page, "<p>\n");
    touched.text.replaceText("<p>mine");
    EXPECT_TRUE(touched.files.save());
    EXPECT_TRUE(touched.prompts.offered.empty());
}

TEST(DocumentLifecycle,
     OnActivationAChangedFileIsReloadedQuietlyOrAskedAboutAndADeletedOneReported) {
    // Unchanged here: reloaded, the caret where it was.
    Lifecycle quiet;
    writeRaw(quiet.page, "<p>one</p>\n");
    ASSERT_TRUE(quiet.files.OpenFile(quiet.page));
    quiet.text.setCaretPosition(5);
    quiet.appendFromOutside("<p>two</p>\n");
    quiet.files.checkDisk();
    EXPECT_EQ(quiet.text.text, "<p>one</p>\n<p>two</p>\n");
    EXPECT_EQ(quiet.text.caret, 5);
    EXPECT_TRUE(quiet.prompts.messages.empty());
    EXPECT_FALSE(quiet.text.isModified());

    // Changed here: asked once; Keep Mine keeps the text and asks no more.
    Lifecycle mine;
    writeRaw(mine.page, "<p>one</p>\n");
    ASSERT_TRUE(mine.files.OpenFile(mine.page));
    mine.text.replaceText("<p>mine</p>");
    mine.appendFromOutside("<p>two</p>\n");
    mine.files.checkDisk();
    mine.files.checkDisk();
    ASSERT_EQ(mine.prompts.offered.size(), 1u);
    EXPECT_EQ(mine.prompts.offered[0].size(), 3);
    EXPECT_EQ(mine.text.text, "<p>mine</p>");
    EXPECT_TRUE(mine.text.isModified());

    // Deleted: told once, the text kept and counted as unsaved.
    Lifecycle gone;
    writeRaw(gone.page, "<p>one</p>\n");
    ASSERT_TRUE(gone.files.OpenFile(gone.page));
    ASSERT_TRUE(QFile::remove(gone.page));
    gone.files.checkDisk();
    gone.files.checkDisk();
    ASSERT_EQ(gone.prompts.messages.size(), 1u);
    EXPECT_TRUE(gone.prompts.messages[0].text.contains(QStringLiteral("deleted")));
    EXPECT_EQ(gone.text.text, "<p>one</p>\n");
    EXPECT_FALSE(gone.state.IsSaved);
}

TEST(DocumentLifecycle, AReadOnlyFileIsReplacedOnlyWhenTheUserSaysSo) {
    for (const auto answer : {platform::PromptAnswer::No, platform::PromptAnswer::Yes}) {
        Lifecycle l;
        writeRaw(l.page, "old");
        QFile::setPermissions(l.page, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        ASSERT_TRUE(l.files.OpenFile(l.page));
        l.text.replaceText("new");
        l.prompts.answers = {answer};
        const bool saved = l.files.save();
        ASSERT_EQ(l.prompts.messages.size(), 1u);
        EXPECT_TRUE(l.prompts.messages[0].text.contains(QStringLiteral("read-only")));
        EXPECT_EQ(saved, answer == platform::PromptAnswer::Yes);
        EXPECT_EQ(readRaw(l.page), QByteArray(saved ? "new" : "old"));
        struct stat st {};
        ASSERT_EQ(::stat(QFile::encodeName(l.page).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, 0444u);
    }
}
