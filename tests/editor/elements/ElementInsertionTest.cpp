#include "anybutton/AnyButton.h"
#include "editor/commands/DocumentMenus.h"
#include "editor/editing/SourceEditor.h"
#include "editor/elements/ElementButtons.h"
#include "editor/frmMain.h"
#include "support/DocumentWindowTest.h"
#include "support/Menus.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

using editor::frmMain;

namespace {

class ElementInsertionTest : public DocumentWindowTest {
protected:
    anybutton::AnyButton* button(int index) const {
        return window->elements().Command2()[static_cast<size_t>(index)];
    }
    // The text "[" + selected + "]" with `selected` selected, or the caret
    // between the brackets when it is empty.
    void selectBetweenBrackets(const QByteArray& selected) {
        const QByteArray all = "[" + selected + "]";
        coding->replaceText(std::string_view(all.constData(), static_cast<size_t>(all.size())));
        coding->SendScintilla(QsciScintilla::SCI_SETSEL, 1UL, 1L + selected.size());
        coding->SendScintilla(QsciScintilla::SCI_EMPTYUNDOBUFFER);
    }
    void click(anybutton::AnyButton* b) {
        QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, b->rect().center());
    }
};

} // namespace

TEST_F(ElementInsertionTest, EveryButtonInsertsItsTemplateOrWrapsTheSelection) {
    const QByteArray mail = "MAILTO:NAME@EXAMPLE.COM";
    struct Row {
        int index;
        const char* caption;
        QByteArray templ;
        QByteArray wrapped; // around "abc"
    };
    const std::vector<Row> rows = {
        {0, "P", "<P><!-- Paragraph //--></P>", "<P>abc</P>"},
        {1, "B", "<B><!-- Paragraph //--></B>", "<B>abc</B>"},
        {2, "I", "<I><!-- Paragraph //--></I>", "<I>abc</I>"},
        {3, "U", "<U><!-- Paragraph //--></U>", "<U>abc</U>"},
        {4, "BR", "<BR><!-- Paragraph //--></BR>", "<BR>abc</BR>"},
        {5, "DIV", "<DIV><!-- CONTENTS //--></DIV>", "<DIV>abc</DIV>"},
        {6, "A", "<A><!-- Paragraph //--></A>", "<A>abc</A>"},
        {7, "LINK", "<A HREF=''><!-- LINK //--></A>", "<A HREF=''>abc</A>"},
        {8, "STY", "<STYLE>BODY{BACKGROUND:WHITE;COLOR:BLACK;}</STYLE>", "<STYLE>abc</STYLE>"},
        {9, "FORM",
         "<FORM METHOD=POST ACTION=''>\r\nEmail: <input type='textbox' name='email'>\r\n</form>",
         "<FORM METHOD=POST ACTION=''>abc</FORM>"},
        {10, "TBL", "<TABLE BORDER=1><TR><TD><!-- TABLE CONTENT //--></TD></TR></TABLE>",
         "<TABLE BORDER=1><TR><TD>abc</TD></TR></TABLE>"},
        {11, "BODY", "<BODY>\r\n<H1>heading</H1>\r\n</BODY>", "<BODY>abc\r\n</BODY>"},
        {12, "HEAD", "<HEAD>\r\n<TITLE>TITLE</TITLE>\r\n</HEAD>",
         "<HEAD>\r\n<TITLE>abc</TITLE>\r\n</HEAD>"},
        {13, "TITLE", "<TITLE>TITLE</TITLE>", "<TITLE>abc</TITLE>"},
        {14, "IMG", "<IMG SRC=''>", "<IMG SRC='abc'>"},
        {15, "FONT", "<FONT COLOR=BLACK SIZE=12><!-- Paragraph //--></FONT>",
         "<FONT COLOR=BLACK SIZE=12>abc</FONT>"},
        {16, "MARQ", "<MARQUEE DIRECTION='LEFT'><!-- CONTENT //--></MARQUEE>",
         "<MARQUEE DIRECTION='LEFT'>abc</MARQUEE>"},
        {17, "FRM",
         "<FRAMESET COLS='25%, 65%, 10%'><FRAME SRC=''></FRAME><FRAME SRC=''></FRAME><FRAME "
         "SRC=''></FRAME></FRAMESET>",
         "<FRAMESET COLS='25%, 65%, 10%'><FRAME SRC=''></FRAME><FRAME SRC='abc'></FRAME><FRAME "
         "SRC=''></FRAME></FRAMESET>"},
        {18, "EMAIL", "<A HREF='" + mail + "'><!-- EMAIL //--></A>",
         "<A HREF='" + mail + "'>abc</A>"},
        // The buttons below the panel's edge are still there and insert the image row.
        {19, "IMG", "<IMG SRC=''>", "<IMG SRC='abc'>"},
        {20, "IMG", "<IMG SRC=''>", "<IMG SRC='abc'>"},
        {21, "IMG", "<IMG SRC=''>", "<IMG SRC='abc'>"},
        {22, "IMG", "<IMG SRC=''>", "<IMG SRC='abc'>"},
        {23, "IMG", "<IMG SRC=''>", "<IMG SRC='abc'>"},
    };
    ASSERT_EQ(rows.size(), 24u);
    QAction* menuItemFor = nullptr;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.caption + std::string(" ") + std::to_string(row.index));
        anybutton::AnyButton* b = button(row.index);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->Caption(), QLatin1String(row.caption));
        EXPECT_EQ(b->size(), QSize(49, 25)); // 735 x 375 twips
        EXPECT_EQ(b->control().ButtonStyle(), 3);
        // 19 to 23 lie below the bottom edge of the Tools panel.
        EXPECT_EQ(b->y() >= b->parentWidget()->height(), row.index >= 19);

        for (const bool fromMenu : {false, true}) {
            SCOPED_TRACE(fromMenu ? "menu item" : "button");
            menuItemFor =
                menuItem(*window, qPrintable(QStringLiteral("mnuElements_%1").arg(row.index)));
            EXPECT_EQ(menuItemFor->text(), QLatin1String(row.caption));
            const auto run = [&] {
                if (fromMenu)
                    menuItemFor->trigger();
                else if (row.index < 19)
                    click(b);
                else
                    window->Command2_Click(row.index); // hidden: no pointer reaches it
            };
            selectBetweenBrackets("");
            run();
            EXPECT_EQ(text(), "[" + row.templ + "]");
            selectBetweenBrackets("abc");
            run();
            EXPECT_EQ(text(), "[" + row.wrapped + "]");
            EXPECT_EQ(coding->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS),
                      1 + row.wrapped.size());
            EXPECT_FALSE(coding->hasSelectedText());
            EXPECT_EQ(QApplication::focusWidget(), coding);
        }
    }
}

TEST_F(ElementInsertionTest, EveryByteOfTheSelectionIsKeptAndOneUndoRestoresTheText) {
    const std::vector<QByteArray> selections = {
        "   ",                      // spaces only
        "one\r\ntwo\r\nthree",      // several lines
        QByteArray("a\0b", 3),      // a NUL byte
        "cr\ronly\rends",           // lone CRs
        "caf\xC3\xA9 \xE2\x82\xAC", // non-ASCII text
    };
    for (const QByteArray& selected : selections) {
        SCOPED_TRACE(selected.toStdString());
        selectBetweenBrackets(selected);
        ASSERT_TRUE(window->SaveFile(QDir::temp().filePath("ostra-elements.html")));
        QFile::remove(QDir::temp().filePath("ostra-elements.html"));
        ASSERT_TRUE(window->IsSaved());
        coding->SendScintilla(QsciScintilla::SCI_SETSEL, 1UL, 1L + selected.size());
        click(button(1));
        EXPECT_EQ(text(), "[<B>" + selected + "</B>]");
        EXPECT_FALSE(window->IsSaved());
        coding->undo();
        EXPECT_EQ(text(), "[" + selected + "]");
    }
}

TEST_F(ElementInsertionTest, ACaptionOutsideTheTableInsertsNothing) {
    for (const char* caption : {"p", "Img", "XYZ", ""}) {
        SCOPED_TRACE(caption);
        button(0)->setCaption(QLatin1String(caption));
        selectBetweenBrackets("abc");
        coding->clearFocus();
        click(button(0));
        EXPECT_EQ(text(), "[abc]");
        EXPECT_EQ(QApplication::focusWidget(), coding);
    }
}
