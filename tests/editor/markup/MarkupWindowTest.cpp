#include "editor/EditorAids.h"
#include "editor/editing/EditorView.h"
#include "editor/markup/MarkupCheck.h"
#include "support/DocumentWindowTest.h"
#include "support/Menus.h"

#include <QSignalSpy>
#include <QThread>

namespace {

class MarkupWindowTest : public DocumentWindowTest {
protected:
    void SetUp() override {
        DocumentWindowTest::SetUp();
        coding->setFocus();
        window->aids().check().setTimings(0, 1000);
    }
    void type(const char* keys) {
        QTest::keyClicks(coding->viewport(), keys);
        QCoreApplication::processEvents();
    }
    void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(coding->viewport(), k, mods);
        QCoreApplication::processEvents();
    }
    // The count the status bar shows once the check after the last edit is done.
    int problemsAfterPause() {
        QSignalSpy checked(&window->aids().check(), &editor::MarkupCheck::problemsChanged);
        EXPECT_TRUE(checked.wait(5000));
        return checked.last().first().toInt();
    }
    long caret() const { return coding->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS); }
};

} // namespace

TEST_F(MarkupWindowTest, TypingClosesTagsAndOneUndoTakesBackWhatWasAdded) {
    coding->replaceText("");
    type("<div class=\"a\">");
    EXPECT_EQ(text(), QByteArray("<div class=\"a\"></div>"));
    EXPECT_EQ(caret(), 15); // between the two
    type("<br>x");
    EXPECT_EQ(text(), QByteArray("<div class=\"a\"><br>x</div>"));
    key(Qt::Key_Z, Qt::ControlModifier); // the typing
    key(Qt::Key_Z, Qt::ControlModifier); // the added end tag alone
    EXPECT_EQ(text(), QByteArray("<div class=\"a\">"));

    trigger(*window, "mnuCloseTags"); // off: nothing is added
    type("<p>");
    EXPECT_EQ(text(), QByteArray("<div class=\"a\"><p>"));
    trigger(*window, "mnuCloseTags");
    type("</");
    EXPECT_EQ(text(), QByteArray("<div class=\"a\"><p></p>"));
}

TEST_F(MarkupWindowTest, F8WalksThroughTheMarkedProblemsAndTheCountReachesZero) {
    coding->replaceText("<div>\r\n<b>x</i>\r\n<p id=a><p id=a>\r\n");
    EXPECT_EQ(problemsAfterPause(), 4);
    EXPECT_TRUE(window->view().statusText().contains(QStringLiteral("4 problems")));
    coding->SendScintilla(QsciScintilla::SCI_GOTOPOS, 0UL);
    key(Qt::Key_F8);
    EXPECT_EQ(caret(), 7); // <b>, never closed
    key(Qt::Key_F8);
    EXPECT_EQ(caret(), 11); // "</i>", which closes nothing
    key(Qt::Key_F8);
    EXPECT_EQ(caret(), 28); // the second id
    key(Qt::Key_F8);
    EXPECT_EQ(caret(), 0); // <div>, never closed: round the end
    key(Qt::Key_F8, Qt::ShiftModifier);
    EXPECT_EQ(caret(), 28);

    // Mended one by one: the count follows.
    coding->SendScintilla(QsciScintilla::SCI_SETSEL, 11UL, 15L); // "</i>"
    coding->replaceSelection("</b>");
    EXPECT_EQ(problemsAfterPause(), 2);
    coding->SendScintilla(QsciScintilla::SCI_SETSEL, 28UL, 32L); // "id=a" of the second <p>
    coding->replaceSelection("id=b");
    EXPECT_EQ(problemsAfterPause(), 1);
    coding->SendScintilla(QsciScintilla::SCI_DOCUMENTEND);
    type("</"); // completed as </p>, the innermost open
    type("</"); // and as </div>
    EXPECT_TRUE(text().endsWith("</p></div>"));
    EXPECT_EQ(problemsAfterPause(), 0);
    EXPECT_FALSE(window->view().statusText().contains(QStringLiteral("problem")));
}

TEST_F(MarkupWindowTest, GoToMatchingTagJumpsBetweenPartners) {
    coding->replaceText("<ul>\r\n<li>a</li>\r\n</ul>");
    coding->SendScintilla(QsciScintilla::SCI_GOTOPOS, 2UL);
    key(Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(caret(), 19); // inside </ul>
    key(Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(caret(), 1);
}

TEST_F(MarkupWindowTest, ThePauseBeforeACheckCountsFromTheChangeNotFromTheEndOfTheEdit) {
    window->aids().check().setTimings(1000, 1000);
    coding->replaceText("<b>x</i>");
    // The rest of a long edit (a key in a line of megabytes is laid out for
    // half a second): the event loop is held after the change, past the pause.
    QThread::msleep(1050);
    QSignalSpy checked(&window->aids().check(), &editor::MarkupCheck::problemsChanged);
    // Checked at once, not after a second pause.
    ASSERT_TRUE(checked.wait(800));
    EXPECT_EQ(checked.last().first().toInt(), 2);
}
