#include "editor/document/DocumentFiles.h"
#include "editor/document/DocumentState.h"
#include "support/FakePrompts.h"
#include "support/Files.h"
#include "support/StringText.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

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
