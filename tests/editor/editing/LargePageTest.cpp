// Long lines and large pages: how the editor holds them to stay quick.
#include "editor/editing/PrimarySelection.h"
#include "editor/editing/SourceEditor.h"
#include "editor/recovery/RecoveryStore.h"
#include "support/DocumentWindowTest.h"
#include "support/Files.h"
#include "support/Menus.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>

#include <sys/resource.h>

using editor::SourceEditor;

namespace {

class LargePageTest : public DocumentWindowTest {
protected:
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
    long send(unsigned int message, unsigned long w = 0, long l = 0) {
        return coding->SendScintilla(message, w, l);
    }
    // The longest stretch of one style in [from, to).
    long longestRun(long from, long to) {
        long longest = 0, run = 0;
        for (long pos = from; pos < to; ++pos) {
            run = pos > from && send(SCI::SCI_GETSTYLEAT, pos) == send(SCI::SCI_GETSTYLEAT, pos - 1)
                      ? run + 1
                      : 1;
            longest = std::max(longest, run);
        }
        return longest;
    }
    using SCI = QsciScintillaBase;
};

} // namespace

TEST_F(LargePageTest, ALongLineIsCutIntoLookAlikeRunsAndHoldsASteadyCaret) {
    std::string longLine;
    while (longLine.size() < 100000)
        longLine += "<a href=\"/x\">caf\xC3\xA9 item</a>";
    const std::string page = "<p>short</p>\r\n" + longLine + "\r\nend";
    writeRaw(path("long.html"), QByteArray(page.data(), static_cast<qsizetype>(page.size())));
    ASSERT_TRUE(window->OpenFile(path("long.html")));
    EXPECT_EQ(text().toStdString(), page);

    const long start = send(SCI::SCI_POSITIONFROMLINE, 1);
    const long end = start + static_cast<long>(longLine.size());
    EXPECT_LE(longestRun(start, end), 24);
    EXPECT_EQ(longestRun(0, start), start); // short lines stay as they were
    for (const unsigned int attribute :
         {SCI::SCI_STYLEGETFORE, SCI::SCI_STYLEGETBACK, SCI::SCI_STYLEGETSIZE,
          SCI::SCI_STYLEGETBOLD, SCI::SCI_STYLEGETITALIC, SCI::SCI_STYLEGETWEIGHT})
        EXPECT_EQ(send(attribute, 1), send(attribute, 0)) << attribute;
    char font0[64] = {}, font1[64] = {};
    coding->SendScintilla(SCI::SCI_STYLEGETFONT, 0UL, font0);
    coding->SendScintilla(SCI::SCI_STYLEGETFONT, 1UL, font1);
    EXPECT_STREQ(font0, font1);

    // Blinking repaints the caret's line: it stops in the long line only.
    const long blinking = send(SCI::SCI_GETCARETPERIOD);
    EXPECT_GT(blinking, 0);
    send(SCI::SCI_GOTOPOS, static_cast<unsigned long>(start + 100));
    QApplication::processEvents();
    EXPECT_EQ(send(SCI::SCI_GETCARETPERIOD), 0);

    // Text pasted into the long line is cut into runs as well.
    QApplication::clipboard()->setText(QString(300, QLatin1Char('z')));
    trigger(*window, "mnuPaste");
    EXPECT_LE(longestRun(start + 100, start + 400), 24);

    send(SCI::SCI_GOTOPOS, static_cast<unsigned long>(send(SCI::SCI_GETLENGTH)));
    QApplication::processEvents();
    EXPECT_EQ(send(SCI::SCI_GETCARETPERIOD), blinking);

    // Nothing counts the caret's column along the line after a key.
    QSignalSpy column(coding, &QsciScintilla::cursorPositionChanged);
    send(SCI::SCI_GOTOPOS, static_cast<unsigned long>(end));
    QTest::keyClick(coding, Qt::Key_Y);
    QApplication::processEvents();
    EXPECT_EQ(column.count(), 0);
}

TEST_F(LargePageTest, APageOfManyMegabytesIsHeldWithoutStyleBytes) {
    writeRaw(path("small.html"), "<p>small</p>");
    ASSERT_TRUE(window->OpenFile(path("small.html")));
    EXPECT_EQ(send(SCI::SCI_GETDOCUMENTOPTIONS), 0);

    QByteArray big(static_cast<qsizetype>(SourceEditor::kUnstyledFrom), 'x');
    for (qsizetype pos = 7; pos < big.size(); pos += 1000)
        big[pos] = '\n';
    big.replace(0, 8, "<html>\n\n");
    big[big.size() - 1] = '\xE9'; // Windows-1252: the text grows past the file's size
    writeRaw(path("big.html"), big);
    ASSERT_TRUE(window->OpenFile(path("big.html")));
    EXPECT_EQ(send(SCI::SCI_GETDOCUMENTOPTIONS), SCI::SC_DOCUMENTOPTION_STYLES_NONE);
    EXPECT_EQ(send(SCI::SCI_GETLENGTH), big.size() + 1);
    EXPECT_EQ(text().left(9), QByteArray("<html>\n\nx"));
    EXPECT_EQ(text().right(3), QByteArray("x\xC3\xA9"));
    EXPECT_TRUE(window->IsSaved());
    // Nothing reads it for colours it cannot hold.
    EXPECT_EQ(coding->lexer(), nullptr);
    // The first key typed finds room: the text stays where it was read.
    const long length = send(SCI::SCI_GETLENGTH);
    const long before = send(SCI::SCI_GETRANGEPOINTER, 0, length);
    send(SCI::SCI_GOTOPOS, static_cast<unsigned long>(length));
    QTest::keyClicks(coding, QStringLiteral("xyz"));
    EXPECT_EQ(send(SCI::SCI_GETLENGTH), length + 3);
    EXPECT_EQ(send(SCI::SCI_GETRANGEPOINTER, 0, length), before);
    // What the editor asks to have styled, a slice at each idle moment,
    // counts as styled: its idle work comes to an end.
    coding->repaint();
    for (int i = 0; i < 100 && send(SCI::SCI_GETENDSTYLED) < length + 3; ++i)
        QApplication::processEvents();
    EXPECT_EQ(send(SCI::SCI_GETENDSTYLED), length + 3);

    ASSERT_TRUE(window->OpenFile(path("small.html")));
    EXPECT_NE(coding->lexer(), nullptr);
}

TEST_F(LargePageTest, ThePrimarySelectionIsReadFromTheEditorWhenAsked) {
    coding->replaceText("one two");
    auto primary = std::make_unique<editor::PrimarySelection>(*coding);
    coding->setSelection(0, 3);
    EXPECT_EQ(primary->formats(), QStringList{"text/plain"});
    EXPECT_EQ(primary->text(), QStringLiteral("one"));
    coding->setSelection(4, 3); // what is selected when another program asks
    EXPECT_EQ(primary->data(QStringLiteral("text/plain")), QByteArray("two"));
    window.reset();
    EXPECT_TRUE(primary->text().isEmpty());
}

TEST_F(LargePageTest, InputMethodsAreToldOnlyTheTextNearTheCaret) {
    // Lines without a blank one between them: the component would tell all of them.
    std::string page;
    for (int i = 0; i < 2000; ++i)
        page += "<p>line " + std::to_string(i) + "</p>\n";
    const long longStart = static_cast<long>(page.size());
    page += "aaa\xC3\xA9" + std::string(10000, 'b');
    coding->replaceText(page);
    QWidget* editor = coding;

    send(SCI::SCI_GOTOPOS, static_cast<unsigned long>(send(SCI::SCI_POSITIONFROMLINE, 5) + 3));
    EXPECT_EQ(editor->inputMethodQuery(Qt::ImSurroundingText).toString(),
              QStringLiteral("<p>line 5</p>"));
    EXPECT_EQ(editor->inputMethodQuery(Qt::ImCursorPosition).toInt(), 3);

    // 4096 bytes back from here falls inside the é: the text starts after it.
    send(SCI::SCI_GOTOPOS, static_cast<unsigned long>(longStart + 4 + 4096));
    EXPECT_EQ(editor->inputMethodQuery(Qt::ImSurroundingText).toString(),
              QString(4095 + 4096, QLatin1Char('b')));
    EXPECT_EQ(editor->inputMethodQuery(Qt::ImCursorPosition).toInt(), 4095);

    trigger(*window, "mnuSelectAll");
    EXPECT_EQ(editor->inputMethodQuery(Qt::ImCurrentSelection).toString(),
              QString::fromUtf8(page.substr(0, 4096).c_str()));
}

TEST_F(LargePageTest, WithNoAssistiveToolListeningTheComponentReportsNoSingleChange) {
    // The component counts from the start of the text for each change it reports.
    ASSERT_FALSE(QAccessible::isActive());
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(coding);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::EditableText);
    QTest::keyClick(coding, Qt::Key_X);
    // Only the notices before a change, which the component passes on uncounted.
    EXPECT_EQ(send(SCI::SCI_GETMODEVENTMASK) & (SCI::SC_MOD_INSERTTEXT | SCI::SC_MOD_DELETETEXT),
              0);
}

TEST_F(LargePageTest, AKeyTheMemoryLeftCannotTakeIsRefusedAndTheTextKept) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer reserves more address space than any limit";
#else
    QTemporaryDir state;
    const editor::RecoveryStore store(state.path());
    window->setRecovery(store);
    QByteArray pageLine(99, 'a');
    pageLine += '\n';
    const QByteArray page = pageLine.repeated(240000);
    writeRaw(path("big.html"), page);
    ASSERT_TRUE(window->OpenFile(path("big.html")));
    QTest::keyClick(coding, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(coding, Qt::Key_Y);

    // Address space for a copy of the text, not for its growth (a second
    // copy of text and styles, a third larger).
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_AS, &old), 0);
    std::ifstream status("/proc/self/status");
    std::string line;
    rlim_t used = 0;
    while (std::getline(status, line))
        if (line.rfind("VmSize:", 0) == 0)
            used = std::stoull(line.substr(7)) * 1024;
    rlimit tight = old;
    tight.rlim_cur = used + (40 << 20);
    ASSERT_EQ(setrlimit(RLIMIT_AS, &tight), 0);
    QTest::keyClick(coding, Qt::Key_X);
    QTest::keyClick(coding, Qt::Key_Return);
    setrlimit(RLIMIT_AS, &old);

    EXPECT_EQ(coding->textBytes().size(), static_cast<size_t>(page.size()) + 1);
    ASSERT_FALSE(prompts.messages.empty());
    EXPECT_TRUE(prompts.messages.back().text.contains(QStringLiteral("not enough memory")));
    EXPECT_TRUE(prompts.messages.back().text.contains(
        QStringLiteral("A recovery copy of it was written.")));
    EXPECT_EQ(QDir(state.path()).entryList({QStringLiteral("*.journal")}, QDir::Files).size(), 1);
    // Once memory is back, keys type again.
    QTest::keyClick(coding, Qt::Key_X);
    EXPECT_EQ(coding->textBytes().size(), static_cast<size_t>(page.size()) + 2);
#endif
}
