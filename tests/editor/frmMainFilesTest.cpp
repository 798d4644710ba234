#include "editor/commands/DocumentMenus.h"
#include "editor/editing/SourceEditor.h"
#include "editor/frmMain.h"
#include "support/Drops.h"
#include "support/FakePrompts.h"
#include "support/Files.h"
#include "support/Menus.h"
#include "support/RecordingPlacement.h"
#include "support/frmMainFixture.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/stat.h>

using editor::frmMain;
using platform::PromptAnswer;
using platform::PromptButtons;

TEST_F(frmMainTest, OpenFileMakesTheDocumentTitledSavedWithCaretAtStart) {
    writeRaw(path(QStringLiteral("PAGE.XML")), "<a/>\n<b/>");
    ASSERT_TRUE(window->OpenFile(path(QStringLiteral("PAGE.XML"))));
    EXPECT_EQ(text(), QByteArray("<a/>\n<b/>"));
    EXPECT_EQ(window->CurrentFile(), path(QStringLiteral("PAGE.XML")));
    EXPECT_TRUE(window->IsSaved());
    EXPECT_EQ(caret(), 0);

    writeRaw(path(QStringLiteral("empty.html")), "");
    ASSERT_TRUE(window->OpenFile(path(QStringLiteral("empty.html"))));
    EXPECT_EQ(text(), QByteArray());
    EXPECT_TRUE(window->IsSaved());
}

TEST_F(frmMainTest, FailedOpenNamesTheFileAndKeepsTheDocument) {
    EXPECT_FALSE(window->OpenFile(path(QStringLiteral("missing.html"))));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(prompts.messages[0].text.contains(QLatin1String("missing.html")));
    EXPECT_EQ(text(), kDefaultPage);
    EXPECT_TRUE(window->CurrentFile().isEmpty());
    EXPECT_FALSE(window->IsSaved());
}

TEST_F(frmMainTest, FileWithNulBytesOpensWithoutAQuestionAndSavesBackByteForByte) {
    writeRaw(path(QStringLiteral("bin.dat")), QByteArray("a\0b", 3));
    ASSERT_TRUE(window->OpenFile(path(QStringLiteral("bin.dat"))));
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(text(), QByteArray("a\0b", 3));
    ASSERT_TRUE(window->SaveFile(path(QStringLiteral("copy.dat"))));
    EXPECT_EQ(readRaw(path(QStringLiteral("copy.dat"))), QByteArray("a\0b", 3));
}

TEST_F(frmMainTest, AnOpenThatFailsLeavesTheDocumentAndItsStateAsTheyWere) {
    ASSERT_TRUE(window->SaveFile(path(QStringLiteral("kept.html"))));
    const QByteArray before = text();
    ASSERT_EQ(::mkfifo(QFile::encodeName(path(QStringLiteral("pipe.html"))).constData(), 0600), 0);
    for (const QString& bad : {path(QStringLiteral("pipe.html")), QStringLiteral("/dev/zero"),
                               QStringLiteral("/dev/null"), path(QStringLiteral("missing.html"))}) {
        SCOPED_TRACE(bad.toStdString());
        prompts.messages.clear();
        EXPECT_FALSE(window->OpenFile(bad)); // returns at once: nothing blocks or reads forever
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_FALSE(prompts.messages[0].text.contains(QStringLiteral("Unknown error")));
        EXPECT_EQ(text(), before);
        EXPECT_TRUE(window->IsSaved());
        EXPECT_EQ(window->CurrentFile(), path(QStringLiteral("kept.html")));
    }
    EXPECT_TRUE(prompts.messages[0].text.contains(QStringLiteral("does not exist")));
}

TEST_F(frmMainTest, SaveOnUntitledAsksForANameAndCancelWritesNothing) {
    prompts.fileNames = {QString()};
    trigger(*window, "mnuSave");
    EXPECT_EQ(prompts.dialogs, QStringList{QStringLiteral("save")});
    EXPECT_FALSE(window->IsSaved());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());

    // A name typed without extension gets none; the default page goes out byte for byte.
    prompts.fileNames = {path(QStringLiteral("page"))};
    trigger(*window, "mnuSave");
    EXPECT_EQ(readRaw(path(QStringLiteral("page"))), kDefaultPage);
    EXPECT_EQ(window->CurrentFile(), path(QStringLiteral("page")));
    EXPECT_TRUE(window->IsSaved());

    // Titled now: Save writes without a dialog.
    trigger(*window, "mnuSave");
    EXPECT_EQ(prompts.dialogs.size(), 2);
}

TEST_F(frmMainTest, FileDialogOffersOneFilterAndStartsAtTheLastChoice) {
    prompts.fileNames = {path(QStringLiteral("one.html")), QString()};
    trigger(*window, "mnuSaveAs");
    trigger(*window, "mnuOpen");
    EXPECT_EQ(prompts.dialogs, (QStringList{QStringLiteral("save"), QStringLiteral("open")}));
    EXPECT_EQ(prompts.startPaths, (QStringList{QString(), path(QStringLiteral("one.html"))}));
    EXPECT_EQ(prompts.filters[0],
              QStringLiteral("supported web documents (*.html *.xml *.htm *.asp *.css)"));
}

TEST_F(frmMainTest, FailedSaveKeepsTheDocumentStateAndSaysWhy) {
    EXPECT_FALSE(window->SaveFile(dir.path())); // a folder cannot be written as a file
    EXPECT_TRUE(window->CurrentFile().isEmpty());
    EXPECT_FALSE(window->IsSaved());
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(prompts.messages[0].text.contains(dir.path()));
}

TEST_F(frmMainTest, ClosePromptAnswers) {
    struct Case {
        const char* name;
        std::deque<PromptAnswer> answers;
        std::deque<QString> fileNames;
        bool closes;
        bool saved;
    };
    const Case cases[] = {
        {"No closes without saving", {PromptAnswer::No}, {}, true, false},
        {"Cancel keeps the window", {PromptAnswer::Cancel}, {}, false, false},
        {"Yes saves then closes", {PromptAnswer::Yes}, {QStringLiteral("saved.html")}, true, true},
        // The save did not happen, so the document is not thrown away.
        {"Yes then cancelled dialog keeps the window",
         {PromptAnswer::Yes},
         {QString()},
         false,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        QFile::remove(path(QStringLiteral("saved.html")));
        prompts.messages.clear();
        prompts.answers = c.answers;
        prompts.fileNames.clear();
        for (const QString& name : c.fileNames)
            prompts.fileNames.push_back(name.isEmpty() ? name : path(name));
        placement.saves = 0;
        window->show();

        EXPECT_EQ(window->close(), c.closes);
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_EQ(prompts.messages[0].text,
                  QStringLiteral("You did not save your file. Do you want to save the page?"));
        EXPECT_EQ(prompts.messages[0].title, QStringLiteral("New Document"));
        EXPECT_EQ(prompts.messages[0].icon, platform::PromptIcon::None);
        EXPECT_EQ(QFile::exists(path(QStringLiteral("saved.html"))), c.saved);
        // Placement is saved only when the window really closes.
        EXPECT_EQ(placement.saves, c.closes ? 1 : 0);
    }
}

TEST_F(frmMainTest, SavedDocumentClosesWithoutAQuestion) {
    ASSERT_TRUE(window->SaveFile(path(QStringLiteral("a.html"))));
    window->show();
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(frmMainTest, OpenAsksFirstOnlyWhenTheTextWasEdited) {
    writeRaw(path(QStringLiteral("b.html")), "b");
    // The untouched default page is replaced without a question.
    prompts.fileNames = {path(QStringLiteral("b.html"))};
    trigger(*window, "mnuOpen");
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(text(), QByteArray("b"));

    showAndFocusEditor();
    type("x");
    prompts.answers = {PromptAnswer::Cancel};
    trigger(*window, "mnuOpen");
    EXPECT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.dialogs.size(), 1); // cancelled before the dialog
    EXPECT_EQ(text(), QByteArray("xb"));

    prompts.answers = {PromptAnswer::No};
    prompts.fileNames = {path(QStringLiteral("b.html"))};
    trigger(*window, "mnuOpen");
    EXPECT_EQ(text(), QByteArray("b"));
}

TEST_F(frmMainTest, ComingBackToTheWindowShowsAnotherProgramsChangeToTheFile) {
    const QString page = path(QStringLiteral("page.html"));
    writeRaw(page, "<p>one</p>\n");
    ASSERT_TRUE(window->OpenFile(page));
    showAndFocusEditor();
    window->coding()->SendScintilla(QsciScintilla::SCI_GOTOPOS, 4UL);

    // The user goes to another program, which changes the file, and comes back.
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    writeRaw(page, "<p>one</p>\n<p>two</p>\n");
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTRY_COMPARE(text(), QByteArray("<p>one</p>\n<p>two</p>\n"));
    EXPECT_EQ(caret(), 4);
    EXPECT_TRUE(window->IsSaved());
    EXPECT_TRUE(prompts.messages.empty());
}
