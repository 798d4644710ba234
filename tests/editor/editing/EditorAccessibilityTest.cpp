// What assistive technology reads and hears of the source editor: offsets in
// UTF-16 units found without counting from the start of the text.
#include "editor/editing/EditorAccessibility.h"
#include "editor/editing/TextOffsets.h"
#include "support/DocumentWindowTest.h"
#include "support/Files.h"

#include <QAccessible>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

using editor::EditorEvents;

namespace {

using SCI = QsciScintillaBase;

// "é" is two bytes and one unit, "😀" four bytes and two units.
const char kPage[] = "<p>caf\xC3\xA9</p>\r\n<b>\xF0\x9F\x98\x80 x</b>\r\nend";

class EditorAccessibilityTest : public DocumentWindowTest {
protected:
    QAccessibleTextInterface* textOf() {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(coding);
        EXPECT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->role(), QAccessible::EditableText);
        return accessible ? accessible->textInterface() : nullptr;
    }
    void caretTo(long position) {
        coding->SendScintilla(SCI::SCI_GOTOPOS, static_cast<unsigned long>(position));
    }
};

} // namespace

TEST(TextOffsets, CountUtf16UnitsAndCutBetweenCharacters) {
    const std::string text = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80z"; // a é € 😀 z
    EXPECT_EQ(editor::utf16Length(text), 6U);
    const std::pair<std::size_t, std::size_t> prefixes[] = {{0, 0},  {1, 1},  {2, 3},  {3, 6},
                                                            {4, 10}, {5, 10}, {6, 11}, {9, 11}};
    for (const auto& [units, bytes] : prefixes)
        EXPECT_EQ(editor::utf8Prefix(text, units), bytes) << units;
}

TEST_F(EditorAccessibilityTest, TextCaretAndSelectionAreReadInUtf16Offsets) {
    coding->replaceText(kPage);
    QAccessibleTextInterface* text = textOf();
    ASSERT_NE(text, nullptr);
    const QString page = QString::fromUtf8(kPage);
    EXPECT_EQ(text->characterCount(), page.size());
    EXPECT_EQ(text->text(0, -1), page);

    const long emoji = static_cast<long>(std::string(kPage).find('\xF0'));
    caretTo(emoji + 4); // after the emoji
    const int caret = static_cast<int>(page.indexOf(QStringLiteral(" x")));
    EXPECT_EQ(text->cursorPosition(), caret);
    int start = 0, end = 0;
    EXPECT_EQ(text->textAtOffset(caret, QAccessible::LineBoundary, &start, &end),
              QString::fromUtf8("<b>\xF0\x9F\x98\x80 x</b>\r\n"));
    EXPECT_EQ(start, page.indexOf(QStringLiteral("<b>")));
    EXPECT_EQ(end, page.indexOf(QStringLiteral("end")));
    EXPECT_EQ(text->textAtOffset(caret - 2, QAccessible::CharBoundary, &start, &end),
              QString::fromUtf8("\xF0\x9F\x98\x80"));
    EXPECT_EQ(text->textBeforeOffset(caret, QAccessible::LineBoundary, &start, &end),
              QString::fromUtf8("<p>caf\xC3\xA9</p>\r\n"));
    EXPECT_EQ(text->textAfterOffset(caret, QAccessible::LineBoundary, &start, &end), "end");

    text->setSelection(0, 3, 7); // "café"
    EXPECT_EQ(coding->selectedBytes(), "caf\xC3\xA9");
    EXPECT_EQ(text->selectionCount(), 1);
    text->selection(0, &start, &end);
    EXPECT_EQ(std::pair(start, end), std::pair(3, 7));
    text->setCursorPosition(static_cast<int>(page.size()));
    EXPECT_EQ(coding->SendScintilla(SCI::SCI_GETCURRENTPOS),
              coding->SendScintilla(SCI::SCI_GETLENGTH));
    EXPECT_EQ(text->selectionCount(), 0);
}

TEST_F(EditorAccessibilityTest, TypingDeletingAndSelectingAreToldWithTheirOffsets) {
    coding->replaceText(kPage);
    QStringList heard;
    EditorEvents events(*coding, [&heard](QAccessibleEvent& event) {
        switch (event.type()) {
        case QAccessible::TextInserted: {
            auto& e = static_cast<QAccessibleTextInsertEvent&>(event);
            heard << QStringLiteral("insert %1 %2").arg(e.changePosition()).arg(e.textInserted());
            break;
        }
        case QAccessible::TextRemoved: {
            auto& e = static_cast<QAccessibleTextRemoveEvent&>(event);
            heard << QStringLiteral("remove %1 %2").arg(e.changePosition()).arg(e.textRemoved());
            break;
        }
        case QAccessible::TextCaretMoved:
            heard << QStringLiteral("caret %1")
                         .arg(static_cast<QAccessibleTextCursorEvent&>(event).cursorPosition());
            break;
        case QAccessible::TextSelectionChanged: {
            auto& e = static_cast<QAccessibleTextSelectionEvent&>(event);
            heard
                << QStringLiteral("selection %1 %2").arg(e.selectionStart()).arg(e.selectionEnd());
            break;
        }
        default:
            break;
        }
    });
    events.accessibilityActiveChanged(true);
    const long emoji = static_cast<long>(std::string(kPage).find('\xF0'));
    caretTo(emoji + 4);
    QApplication::processEvents();
    heard.clear();

    // Each key is drawn before the next, as the event loop does.
    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_Y, Qt::NoModifier}, std::pair{Qt::Key_Backspace, Qt::NoModifier},
          std::pair{Qt::Key_Left, Qt::ShiftModifier}, std::pair{Qt::Key_Right, Qt::NoModifier}}) {
        QTest::keyClick(coding, key, modifiers);
        QApplication::processEvents();
    }
    const QStringList expected = {"insert 18 y",     "caret 19", "remove 18 y",     "caret 18",
                                  "selection 16 18", "caret 16", "selection 18 18", "caret 18"};
    EXPECT_EQ(heard, expected);

    // Without a listener the component reports no single change at all.
    events.accessibilityActiveChanged(false);
    heard.clear();
    QTest::keyClick(coding, Qt::Key_Z);
    EXPECT_TRUE(heard.isEmpty());
    EXPECT_EQ(coding->SendScintilla(SCI::SCI_GETMODEVENTMASK) &
                  (SCI::SC_MOD_INSERTTEXT | SCI::SC_MOD_DELETETEXT),
              0);
}

TEST_F(EditorAccessibilityTest, AFileShorterThanTheTextTypedBeforeItOpensWithoutACrash) {
    QStringList heard;
    EditorEvents events(*coding, [&heard](QAccessibleEvent& event) {
        if (event.type() == QAccessible::TextInserted)
            heard << static_cast<QAccessibleTextInsertEvent&>(event).textInserted();
    });
    events.accessibilityActiveChanged(true);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("short.html"));
    writeRaw(path, "<p>x</p>");
    // As at a start with a file named: the default page goes in, then the
    // file takes its place before the event loop comes back.
    coding->replaceText(std::string(200, 'a'));
    ASSERT_TRUE(window->OpenFile(path));
    QApplication::processEvents();
    EXPECT_EQ(text(), QByteArray("<p>x</p>"));
    EXPECT_FALSE(heard.contains(QString(200, QLatin1Char('a'))));
}
