#include "editor/editing/EditorView.h"
#include "support/DocumentWindowTest.h"
#include "support/FakePrompts.h"
#include "support/Menus.h"

#include <QAction>
#include <QSignalSpy>

using Sci = QsciScintillaBase;

namespace {

class EditorViewTest : public DocumentWindowTest {
protected:
    void SetUp() override {
        DocumentWindowTest::SetUp();
        coding->setFocus();
    }
    void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(coding->viewport(), k, mods);
        QCoreApplication::processEvents();
    }
    long marginWidth() const { return coding->SendScintilla(Sci::SCI_GETMARGINWIDTHN, 0UL); }
};

} // namespace

TEST_F(EditorViewTest, LineNumbersWrapAndZoomFollowTheirItems) {
    QAction* numbers = menuItem(*window, "mnuLineNumbers");
    EXPECT_TRUE(numbers->isChecked());
    const long threeDigits = marginWidth();
    EXPECT_GT(threeDigits, 0);
    coding->replaceText(std::string(99999, '\n')); // 100000 lines: six digits
    QCoreApplication::processEvents();
    EXPECT_GT(marginWidth(), threeDigits);
    numbers->trigger();
    EXPECT_FALSE(numbers->isChecked());
    EXPECT_EQ(marginWidth(), 0);

    QAction* wrap = menuItem(*window, "mnuWordWrap");
    EXPECT_FALSE(wrap->isChecked());
    EXPECT_EQ(coding->SendScintilla(Sci::SCI_GETWRAPMODE), Sci::SC_WRAP_NONE);
    wrap->trigger();
    EXPECT_TRUE(wrap->isChecked());
    EXPECT_EQ(coding->SendScintilla(Sci::SCI_GETWRAPMODE), Sci::SC_WRAP_WORD);

    // Every zoom key as a keyboard sends it.
    const std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> zoomIn = {
        {Qt::Key_Plus, Qt::ControlModifier},
        {Qt::Key_Equal, Qt::ControlModifier},
        {Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier},
    };
    for (const auto& [k, mods] : zoomIn)
        key(k, mods);
    EXPECT_EQ(coding->SendScintilla(Sci::SCI_GETZOOM), 3);
    key(Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(coding->SendScintilla(Sci::SCI_GETZOOM), 2);
    key(Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(coding->SendScintilla(Sci::SCI_GETZOOM), 0);
}

TEST_F(EditorViewTest, ReturnKeepsTheIndentationAndTheStatusSaysWhereTheCaretIs) {
    coding->replaceText("\t  <ul>\r\n");
    coding->setSavePoint();
    coding->SendScintilla(Sci::SCI_GOTOPOS, 7UL); // after "<ul>"
    QSignalSpy status(window.get(), &editor::frmMain::statusChanged);
    key(Qt::Key_Return);
    QTest::keyClicks(coding->viewport(), "item");
    QCoreApplication::processEvents();
    EXPECT_EQ(text(), QByteArray("\t  <ul>\r\n\t  item\r\n"));
    EXPECT_EQ(window->view().statusText(), QStringLiteral("Ln 2, Col 8  Modified"));
    ASSERT_FALSE(status.isEmpty());
    EXPECT_EQ(status.last().first().toString(), window->view().statusText());
    key(Qt::Key_Z, Qt::ControlModifier); // the typing
    key(Qt::Key_Z, Qt::ControlModifier); // the line end and its indentation, as one
    EXPECT_EQ(text(), QByteArray("\t  <ul>\r\n"));
}
