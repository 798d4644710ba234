#include "editor/commands/DocumentMenus.h"
#include "editor/editing/BlockSelection.h"
#include "editor/editing/SourceEditor.h"
#include "editor/frmMain.h"
#include "support/DocumentWindowTest.h"
#include "support/Drops.h"
#include "support/FakePrompts.h"
#include "support/Files.h"
#include "support/Menus.h"
#include "support/RecordingPlacement.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using editor::frmMain;
using platform::PromptAnswer;

namespace {

class EditingTest : public DocumentWindowTest {
protected:
    QTemporaryDir dir;

    void SetUp() override {
        DocumentWindowTest::SetUp();
        coding->setFocus();
    }
    void TearDown() override { window->findChild<QMenu*>(QStringLiteral("mnupopup"))->hide(); }
    void setText(const QByteArray& bytes) {
        coding->replaceText(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    }
    void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::ControlModifier) {
        QTest::keyClick(coding->viewport(), k, mods);
    }
    void releaseOnEditor(Qt::MouseButton button) {
        QTest::mouseClick(coding->viewport(), button, Qt::NoModifier, QPoint(40, 40));
    }
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
    void dropFiles(const QStringList& names) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& n : names)
            urls << QUrl::fromLocalFile(dir.filePath(n));
        data.setUrls(urls);
        dropOn(coding->viewport(), QPoint(20, 20), data);
    }
};

} // namespace

TEST_F(EditingTest, CutCopyPasteThroughTheirShortcutsMoveExactPlainText) {
    setText("one\r\ntwo\nthree");
    coding->setSelection(2, 5); // "e\r\ntw": the CR LF pair counts as two characters
    EXPECT_EQ(coding->selLength(), 5);

    key(Qt::Key_C);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("e\r\ntw"));
    EXPECT_EQ(QApplication::clipboard()->mimeData()->formats(), QStringList{"text/plain"});
    EXPECT_EQ(text(), QByteArray("one\r\ntwo\nthree"));

    ASSERT_TRUE(window->SaveFile(path("a.html")));
    coding->setSelection(2, 5);
    key(Qt::Key_X);
    EXPECT_EQ(text(), QByteArray("ono\nthree"));
    EXPECT_FALSE(window->IsSaved());

    ASSERT_TRUE(window->SaveFile(path("a.html")));
    coding->setSelection(0, 0);
    QApplication::clipboard()->setText(QStringLiteral("<p>\r\n\u00e9\n"));
    key(Qt::Key_V);
    EXPECT_EQ(text(), QByteArray("<p>\r\n\xC3\xA9\nono\nthree"));
    EXPECT_FALSE(window->IsSaved());
    EXPECT_EQ(coding->selStart(), 7); // after the pasted text

    // The traditional second keys reach the same commands.
    coding->setSelection(0, 3);
    key(Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("<p>"));
}

TEST_F(EditingTest, ABlockSelectionIsCutCopiedAndWrappedExactlyAsShown) {
    const QByteArray original("abcdef\nghijkl\nmnopqr");
    writeRaw(path("block.html"), original);
    ASSERT_TRUE(window->OpenFile(path("block.html")));
    // The pieces the editor draws selected (in a proportional font a block
    // spans the same pixels, not the same count of characters, on each line).
    std::vector<std::pair<long, long>> pieces;
    const auto selectBlock = [&] { // as a user makes it
        coding->SendScintilla(QsciScintilla::SCI_GOTOPOS, 0UL);
        key(Qt::Key_Right, Qt::NoModifier);
        for (Qt::Key k : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Right})
            key(k, Qt::AltModifier | Qt::ShiftModifier);
        ASSERT_TRUE(editor::selectionHasPieces(*coding));
        pieces = editor::selectionPieces(*coding);
        ASSERT_EQ(pieces.size(), 3u);
    };
    // What each piece becomes, the rest of the text kept.
    const auto eachPiece = [&](const std::function<QByteArray(const QByteArray&)>& make) {
        QByteArray out;
        long at = 0;
        for (const auto& [start, end] : pieces) {
            out += original.mid(at, start - at) + make(original.mid(start, end - start));
            at = end;
        }
        return out + original.mid(at);
    };
    selectBlock();
    key(Qt::Key_C);
    QByteArray copied;
    for (const auto& [start, end] : pieces)
        copied += original.mid(start, end - start) + "\n";
    EXPECT_EQ(QApplication::clipboard()->text().toUtf8(), copied);
    EXPECT_EQ(text(), original);

    trigger(*window, "mnuElements_1"); // "B"
    EXPECT_EQ(text(), eachPiece([](const QByteArray& p) { return "<B>" + p + "</B>"; }));
    key(Qt::Key_Z); // one edit
    EXPECT_EQ(text(), original);

    selectBlock();
    key(Qt::Key_X);
    key(Qt::Key_S);
    EXPECT_EQ(readRaw(path("block.html")), eachPiece([](const QByteArray&) { return ""; }));
    EXPECT_EQ(readRaw(path("block.html")).size(), original.size() - copied.size() + 3);

    // Saving put the caret at the start; the block comes back where it was,
    // as a block, one piece a line.
    coding->SendScintilla(QsciScintilla::SCI_GOTOPOS, static_cast<unsigned long>(pieces[0].first));
    key(Qt::Key_V);
    EXPECT_EQ(text(), original);
}

TEST_F(EditingTest, PasteWithNoTextOnTheClipboardDeletesTheSelection) {
    setText("abc");
    QApplication::clipboard()->clear();
    coding->setSelection(1, 1);
    trigger(*window, "mnuPaste");
    EXPECT_EQ(text(), QByteArray("ac"));
}

TEST_F(EditingTest, CutAndCopyAreDisabledWithoutSelectionInBothMenus) {
    setText("abc");
    coding->setSelection(1, 0);
    const auto m = [&](const char* name) { return menuItem(*window, name); };
    EXPECT_FALSE(m("mnuCut")->isEnabled());
    EXPECT_FALSE(m("mnu_Copy")->isEnabled());
    QApplication::clipboard()->setText(QStringLiteral("kept"));
    key(Qt::Key_X);
    EXPECT_EQ(text(), QByteArray("abc")); // nothing typed, nothing cut
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("kept"));

    coding->setSelection(1, 1);
    EXPECT_TRUE(m("mnuCut")->isEnabled());
    EXPECT_TRUE(m("mnu_cut")->isEnabled());
    EXPECT_TRUE(m("mnu_Paste")->isEnabled());
}

TEST_F(EditingTest, SelectAllCoversEveryCharacterAndFocusesTheEditor) {
    setText("");
    window->setFocus();
    key(Qt::Key_A);
    EXPECT_EQ(coding->selStart(), 0);
    EXPECT_EQ(coding->selLength(), 0);

    setText("a\r\nb\r\n\xC3\xA9");
    window->setFocus();
    trigger(*window, "mnuSelectAll");
    EXPECT_TRUE(coding->hasFocus());
    EXPECT_EQ(coding->selStart(), 0);
    EXPECT_EQ(coding->selLength(), 7);
    EXPECT_TRUE(menuItem(*window, "mnuCopy")->isEnabled());
    trigger(*window, "mnuCopy");
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("a\r\nb\r\n\u00e9"));
}

TEST_F(EditingTest, KeysWithCtrlOrAltThatNoCommandTakesTypeNothing) {
    setText("ab");
    coding->SendScintilla(QsciScintilla::SCI_GOTOPOS, 1UL);
    const std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> unbound = {
        {Qt::Key_I, Qt::AltModifier},
        {Qt::Key_X, Qt::AltModifier},
        {Qt::Key_Q, Qt::AltModifier},
        {Qt::Key_Equal, Qt::ControlModifier},
        {Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier},
        {Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier},
    };
    for (const auto& [k, mods] : unbound)
        key(k, mods);
    EXPECT_EQ(coding->text(), QStringLiteral("ab"));
    key(Qt::Key_Z, Qt::NoModifier); // plain keys still type
    key(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(coding->text(), QStringLiteral("azb"));
    EXPECT_EQ(coding->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS), 3); // Ctrl+Right moved
}

TEST_F(EditingTest, UndoAndRedoStillWork) {
    setText("");
    QTest::keyClicks(coding->viewport(), "ab");
    key(Qt::Key_Z);
    EXPECT_EQ(text(), QByteArray(""));
    key(Qt::Key_Y);
    EXPECT_EQ(text(), QByteArray("ab"));
}

TEST_F(EditingTest, OnlyTheRightButtonOpensTheContextMenu) {
    QMenu* popup = window->findChild<QMenu*>(QStringLiteral("mnupopup"));
    releaseOnEditor(Qt::LeftButton);
    releaseOnEditor(Qt::MiddleButton);
    EXPECT_FALSE(popup->isVisible());
    releaseOnEditor(Qt::RightButton);
    EXPECT_TRUE(popup->isVisible());
    // At the pointer.
    EXPECT_EQ(popup->pos(), coding->viewport()->mapToGlobal(QPoint(40, 40)));
}

TEST_F(EditingTest, ContextMenuItemsRunTheirMainMenuTwins) {
    const auto m = [&](const char* name) { return menuItem(*window, name); };
    auto* tools = window->findChild<QGroupBox*>(QStringLiteral("Frame1"));
    auto* bar = window->findChild<QWidget*>(QStringLiteral("picBottomBar"));
    auto* tab = window->findChild<QWidget*>(QStringLiteral("XTab"));
    const int W = window->width() * 15;
    const int H = window->height() * 15;

    m("mnu_Tools")->trigger();
    EXPECT_TRUE(tools->isHidden());
    EXPECT_FALSE(m("mnuTools")->isChecked());
    EXPECT_FALSE(m("mnu_Tools")->isChecked());
    EXPECT_EQ(tab->width(), (W - 400) / 15);

    m("mnuTools")->trigger(); // the View menu's item toggles back
    EXPECT_FALSE(tools->isHidden());
    EXPECT_TRUE(m("mnu_Tools")->isChecked());
    EXPECT_EQ(tab->width(), (W - 3000) / 15);
    EXPECT_EQ(tools->x(), (W - 2750) / 15);

    m("mnu_BottomBar")->trigger();
    EXPECT_TRUE(bar->isHidden());
    EXPECT_FALSE(m("mnuBottomBar")->isChecked());
    EXPECT_EQ(tab->height(), (H - 700) / 15);
    key(Qt::Key_B);
    EXPECT_FALSE(bar->isHidden());
    EXPECT_TRUE(m("mnu_BottomBar")->isChecked());
    EXPECT_EQ(tab->height(), (H - 1300) / 15);

    setText("word");
    coding->setSelection(0, 4);
    m("mnu_Copy")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("word"));
    m("mnu_cut")->trigger();
    EXPECT_EQ(text(), QByteArray());
    m("mnu_Paste")->trigger();
    EXPECT_EQ(text(), QByteArray("word"));
}

TEST_F(EditingTest, CloseLabelHidesTheBarButLeavesTheLayoutUntilTheNextRun) {
    auto* bar = window->findChild<QWidget*>(QStringLiteral("picBottomBar"));
    auto* tab = window->findChild<QWidget*>(QStringLiteral("XTab"));
    auto* label = window->findChild<QLabel*>(QStringLiteral("Label1_1"));
    const int tabHeight = tab->height();
    QTest::mouseClick(label, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    EXPECT_TRUE(bar->isHidden());
    EXPECT_EQ(tab->height(), tabHeight);
    EXPECT_FALSE(menuItem(*window, "mnuBottomBar")->isChecked());

    window->resize(window->width() + 15, window->height());
    EXPECT_EQ(tab->height(), (window->height() * 15 - 700) / 15);
}

TEST_F(EditingTest, MinimisedSizesRaiseNothingAndRestoringGivesTheSameLayout) {
    auto* tab = window->findChild<QWidget*>(QStringLiteral("XTab"));
    auto* coding = window->coding();
    const QSize tabBefore = tab->size(), codingBefore = coding->size();
    window->resize(160, 30);
    window->resize(666, 466);
    EXPECT_EQ(tab->size(), tabBefore);
    EXPECT_EQ(coding->size(), codingBefore);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(EditingTest, DroppedFilesOpenTheLastWithOneMessageForSeveral) {
    writeRaw(path("1.html"), "one");
    writeRaw(path("2.html"), "two");
    writeRaw(path("3.html"), "three");

    dropFiles({"1.html"});
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(text(), QByteArray("one"));

    dropFiles({"1.html", "2.html", "3.html"});
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text,
              QStringLiteral("You do have more than 1 files. dropped. Feldt Ostra will use the "
                             "last file in the list"));
    EXPECT_EQ(prompts.messages[0].title, QStringLiteral("Feldt Ostra 1.1"));
    EXPECT_EQ(text(), QByteArray("three"));
    EXPECT_EQ(window->CurrentFile(), path("3.html"));
}

TEST_F(EditingTest, DroppedTextIsInsertedWhereItFallsButFilesWinOverTheirText) {
    setText("abc");
    const auto x =
        static_cast<int>(coding->SendScintilla(QsciScintilla::SCI_POINTXFROMPOSITION, 0UL, 1L));
    const auto y =
        static_cast<int>(coding->SendScintilla(QsciScintilla::SCI_POINTYFROMPOSITION, 0UL, 1L));
    QMimeData text;
    text.setText(QStringLiteral("XY"));
    dropOn(coding->viewport(), QPoint(x, y + 2), text);
    EXPECT_EQ(this->text(), QByteArray("aXYbc"));
    EXPECT_FALSE(window->IsSaved());

    writeRaw(path("1.html"), "one");
    QMimeData both; // what a file manager sends: the file and its name as text
    both.setUrls({QUrl::fromLocalFile(path("1.html"))});
    both.setText(path("1.html"));
    prompts.answers = {PromptAnswer::No};
    dropOn(coding->viewport(), QPoint(x, y + 2), both);
    EXPECT_EQ(this->text(), QByteArray("one"));
    ASSERT_EQ(prompts.messages.size(), 1u); // the save question, not the surface's "Done"
    EXPECT_EQ(prompts.messages[0].title, QStringLiteral("New Document"));
}

TEST_F(EditingTest, DropOverEditedTextAsksFirst) {
    writeRaw(path("1.html"), "one");
    QTest::keyClicks(coding->viewport(), "x");
    prompts.answers = {PromptAnswer::Cancel};
    dropFiles({"1.html"});
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].title, QStringLiteral("New Document"));
    EXPECT_TRUE(window->CurrentFile().isEmpty());
}

TEST_F(EditingTest, EveryChangeAfterASaveCountsEvenWhenUndoneBackToTheSavedText) {
    ASSERT_TRUE(window->SaveFile(path("typed.html")));
    ASSERT_TRUE(window->IsSaved());
    QTest::keyClicks(coding->viewport(), QStringLiteral("x"));
    EXPECT_FALSE(window->IsSaved());
    coding->undo();
    EXPECT_EQ(readRaw(path("typed.html")), text());
    EXPECT_FALSE(window->IsSaved()); // a change happened; the close prompt still asks
    ASSERT_TRUE(window->SaveFile(path("typed.html")));
    coding->redo();
    EXPECT_FALSE(window->IsSaved());
}
