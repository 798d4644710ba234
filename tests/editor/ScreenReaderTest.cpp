#include "anybutton/AnyButton.h"
#include "editor/editing/SourceEditor.h"
#include "editor/elements/ElementButtons.h"
#include "editor/frmMain.h"
#include "support/DocumentWindowTest.h"
#include "support/Files.h"

#include <QAccessible>
#include <QLabel>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QAccessibleInterface* accessibleOf(QObject* object) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(object);
    EXPECT_NE(a, nullptr);
    return a;
}

} // namespace

using ScreenReaderTest = DocumentWindowTest;

TEST_F(ScreenReaderTest, TheEditorIsNamedAfterItsDocumentAndEveryToolSaysWhatItInserts) {
    QAccessibleInterface* editor = accessibleOf(coding);
    EXPECT_EQ(editor->role(), QAccessible::EditableText);
    EXPECT_EQ(editor->text(QAccessible::Name), QStringLiteral("Ostra Document"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.html"));
    writeRaw(path, "<p>");
    ASSERT_TRUE(window->OpenFile(path));
    EXPECT_EQ(editor->text(QAccessible::Name), path);
    EXPECT_EQ(window->windowTitle(), path);

    const struct {
        int index;
        const char* description;
    } tools[] = {
        {1, "B: inserts <B></B>, or wraps the selection"},
        {8, "STY: inserts <STYLE></STYLE>, or wraps the selection"},
        {11, "BODY: inserts <BODY></BODY>, or wraps the selection"},
        {16, "MARQ: inserts <MARQUEE DIRECTION='LEFT'></MARQUEE>, or wraps the selection"},
        {17, "FRM: inserts <FRAMESET COLS='25%, 65%, 10%'><FRAME SRC=''></FRAME><FRAME SRC=''>"
             "</FRAME><FRAME SRC=''></FRAME></FRAMESET>, or wraps the selection"},
    };
    const auto& buttons = window->elements().Command2();
    for (const auto& t : tools) {
        anybutton::AnyButton* b = buttons[static_cast<size_t>(t.index)];
        EXPECT_EQ(accessibleOf(b)->text(QAccessible::Description), QLatin1String(t.description));
        EXPECT_EQ(b->toolTip(), QLatin1String(t.description));
    }
    // Shown: the grid; not shown: the five IMG buttons below the panel's edge.
    for (size_t i = 0; i < buttons.size(); ++i) {
        SCOPED_TRACE(i);
        const QAccessible::State state = accessibleOf(buttons[i])->state();
        const bool shown = i < 19;
        EXPECT_EQ(!state.invisible && !state.offscreen, shown);
        EXPECT_EQ(state.focusable, shown);
        EXPECT_FALSE(accessibleOf(buttons[i])->text(QAccessible::Description).isEmpty());
    }
    auto* closeLabel = window->findChild<QLabel*>(QStringLiteral("Label1_1"));
    EXPECT_EQ(accessibleOf(closeLabel)->text(QAccessible::Name),
              QStringLiteral("Hide the bottom bar"));
    EXPECT_EQ(closeLabel->text(), QStringLiteral("-"));
}
