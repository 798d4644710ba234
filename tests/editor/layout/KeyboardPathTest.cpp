#include "anybutton/AnyButton.h"
#include "editor/editing/SourceEditor.h"
#include "editor/editing/TabControl.h"
#include "editor/elements/ElementButtons.h"
#include "editor/frmMain.h"
#include "support/DocumentWindowTest.h"
#include "support/Menus.h"

#include <QApplication>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class KeyboardPathTest : public DocumentWindowTest {
protected:
    // A key as the user presses it, to whatever has the focus.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus == coding ? coding->viewport() : focus, key, modifiers);
    }
    static std::string focused() {
        const QWidget* w = QApplication::focusWidget();
        if (w && qobject_cast<const QTabBar*>(w))
            return "tabs";
        return w ? w->objectName().toStdString() : "(none)";
    }
    // Where the focus goes at each of `count` presses of the key.
    std::vector<std::string> walk(int count, Qt::Key key,
                                  Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        std::vector<std::string> seen;
        for (int i = 0; i < count; ++i) {
            press(key, modifiers);
            seen.push_back(focused());
        }
        return seen;
    }
};

using Names = std::vector<std::string>;

Names tools(std::initializer_list<int> indexes) {
    Names names;
    for (const int i : indexes)
        names.push_back("Command2_" + std::to_string(i));
    return names;
}

} // namespace

TEST_F(KeyboardPathTest, CtrlTabLeavesTheEditorAndGoesRoundEveryShownControlInOrder) {
    coding->setFocus();
    const QByteArray before = text();
    press(Qt::Key_Tab);
    EXPECT_EQ(text(), "\t" + before) << "Tab still types a tab";
    EXPECT_EQ(focused(), "coding");

    // Forward: the shown buttons by index (not those below the panel's
    // edge), the preview button, the checked type, the tab strip, the editor.
    Names forward = tools({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18});
    forward.insert(forward.end(), {"Command1", "Option1_0", "tabs", "coding"});
    EXPECT_EQ(walk(static_cast<int>(forward.size()), Qt::Key_Tab, Qt::ControlModifier), forward);
    // Qt reports Ctrl+Shift+Tab as Backtab.
    EXPECT_EQ(walk(2, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier),
              Names({"tabs", "Option1_0"}));
    // Tab itself goes on from a button.
    EXPECT_EQ(walk(2, Qt::Key_Backtab, Qt::ShiftModifier), Names({"Command1", "Command2_18"}));
    EXPECT_EQ(text(), "\t" + before);
}

TEST_F(KeyboardPathTest, F6GoesRoundTheShownPanesAndArrowsMoveAmongTheButtonsAsTheyLie) {
    coding->setFocus();
    EXPECT_EQ(walk(3, Qt::Key_F6), Names({"Command2_0", "Option1_0", "coding"}));
    EXPECT_EQ(walk(2, Qt::Key_F6, Qt::ShiftModifier), Names({"Option1_0", "Command2_0"}));

    // P, B, BR, FORM, TBL, MARQ, EMAIL, TITLE, the preview button; the edge stops.
    EXPECT_EQ(walk(1, Qt::Key_Right), tools({1}));
    EXPECT_EQ(walk(5, Qt::Key_Down), tools({4, 9, 10, 16, 18}));
    EXPECT_EQ(walk(3, Qt::Key_Down), Names({"Command2_13", "Command1", "Command1"}));
    EXPECT_EQ(walk(2, Qt::Key_Up), tools({13, 18}));
    EXPECT_EQ(walk(2, Qt::Key_Left), tools({18, 18}));
    EXPECT_EQ(walk(3, Qt::Key_Up), tools({16, 10, 9}));

    // F6 comes back to the button last used; Space presses it, and the
    // insertion gives the focus back to the editor.
    EXPECT_EQ(walk(3, Qt::Key_F6), Names({"Option1_0", "coding", "Command2_9"}));
    EXPECT_EQ(walk(1, Qt::Key_Down), tools({10}));
    coding->SendScintilla(QsciScintilla::SCI_GOTOPOS, 0UL);
    press(Qt::Key_Space);
    window->elements().Command2()[10]->endReleaseDeferral(); // the release is not a repeat's
    EXPECT_TRUE(
        text().startsWith("<TABLE BORDER=1><TR><TD><!-- TABLE CONTENT //--></TD></TR></TABLE>"));
    EXPECT_EQ(focused(), "coding");

    // The document type: from the editor to the bar, then to CSS.
    EXPECT_EQ(walk(1, Qt::Key_F6, Qt::ShiftModifier), Names({"Option1_0"}));
    EXPECT_EQ(walk(3, Qt::Key_Right), Names({"Option1_1", "Option1_2", "Option1_3"}));
    EXPECT_EQ(window->DocumentType(), core::DocumentType::CSS);

    // A hidden pane is passed over.
    trigger(*window, "mnuTools");
    coding->setFocus();
    EXPECT_EQ(walk(2, Qt::Key_F6), Names({"Option1_3", "coding"}));
}

TEST_F(KeyboardPathTest, TheFocusGoesWithThePageAClickOnItsTabShows) {
    coding->setFocus();
    const QByteArray before = text();
    QTabBar* bar = window->XTab()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    EXPECT_EQ(focused(), "WB");
    // Space on the preview presses no Tools button behind the user's back.
    press(Qt::Key_Space);
    EXPECT_EQ(text(), before);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    EXPECT_EQ(focused(), "coding");
}
