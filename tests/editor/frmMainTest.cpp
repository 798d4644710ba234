#include "editor/frmMain.h"
#include "editor/commands/DocumentMenus.h"
#include "editor/editing/SourceEditor.h"
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

TEST_F(frmMainTest, NewWindowHoldsTheNineLineDefaultPageUnsavedAndUntitled) {
    EXPECT_EQ(text(), kDefaultPage);
    EXPECT_FALSE(window->IsSaved());
    EXPECT_TRUE(window->CurrentFile().isEmpty());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Ostra Document"));
    EXPECT_EQ(window->DocumentType(), core::DocumentType::HTML);
    EXPECT_EQ(window->size(), QSize(666, 466));
}

TEST_F(frmMainTest, MenuTreeHasEveryCaptionShortcutAndState) {
    struct Item {
        const char* name;
        const char* caption;
        const char* shortcut;
        bool visible;
        bool enabled;
    };
    const Item items[] = {
        {"mnuFile", "&File", "", true, true},
        {"mnuNew", "&New", "Ctrl+N", true, true},
        {"mnuOpen", "&Open", "Ctrl+O", true, true},
        {"mnuSave", "&Save", "Ctrl+S", true, true},
        {"mnuSaveAs", "Save &As", "", true, true},
        {"mnuExit", "&Exit", "", true, true},
        {"mnuEdit", "&Edit", "", true, true},
        // Nothing is selected in a new document.
        {"mnuCut", "C&ut", "Ctrl+X", true, false},
        {"mnuCopy", "&Copy", "Ctrl+C", true, false},
        {"mnuPaste", "&Paste", "Ctrl+V", true, true},
        {"mnuSelectAll", "Select &All", "Ctrl+A", true, true},
        {"mnuInsert", "Insert", "", true, true},
        {"mnuElements_0", "P", "", true, true}, // built from the buttons at creation
        // Qt disables what it hides.
        {"mnuProjects", "&Projects", "", false, false},
        {"mnuNewProject", "&New Project", "", true, true},
        {"mnuCloseProject", "&Close Project", "", true, true},
        {"mnuLayout", "&View", "", true, true},
        {"mnuTools", "&Tools", "Ctrl+T", true, true},
        {"mnuBottomBar", "&Bottom Bar", "Ctrl+B", true, true},
        {"mnuPage", "&Page", "", true, true},
        {"mnuViewPage", "&View Page", "F5", true, true},
        {"mnuVisual", "&Visual", "", false, false},
        {"mnuHelp", "&Help", "", true, true},
        {"mnuAbout", "&About Ostra...", "", true, true},
        {"mnupopup", "Popupmenu", "", false, false},
        {"mnu_cut", "C&ut", "", true, false},
        {"mnu_BottomBar", "&Bottom Bar", "", true, true},
    };
    for (const Item& item : items) {
        SCOPED_TRACE(item.name);
        QAction* action = nullptr;
        for (QAction* a : window->findChildren<QAction*>(QLatin1String(item.name)))
            action = a;
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text(), QLatin1String(item.caption));
        EXPECT_EQ(action->shortcut().toString(), QLatin1String(item.shortcut));
        EXPECT_EQ(action->isVisible(), item.visible);
        EXPECT_EQ(action->isEnabled(), item.enabled);
    }
    const auto m = [&](const char* name) { return menuItem(*window, name); };
    EXPECT_TRUE(m("mnuTools")->isChecked());
    EXPECT_TRUE(m("mnuBottomBar")->isChecked());
    EXPECT_EQ(m("mnuFile")->menu()->actions().size(), 7);
    EXPECT_TRUE(m("mnufileCut")->isSeparator());
}

TEST_F(frmMainTest, EveryShortcutReachesItsItemFromTheEditor) {
    showAndFocusEditor();
    struct Key {
        const char* item;
        QKeyCombination key;
    };
    // The window's own keys first, then those the editor had and the menus now show.
    const Key keys[] = {
        {"mnuNew", Qt::CTRL | Qt::Key_N},
        {"mnuOpen", Qt::CTRL | Qt::Key_O},
        {"mnuSave", Qt::CTRL | Qt::Key_S},
        {"mnuSelectAll", Qt::CTRL | Qt::Key_A},
        {"mnuCopy", Qt::CTRL | Qt::Key_C},
        {"mnuCopy", Qt::CTRL | Qt::Key_Insert},
        {"mnuCut", Qt::CTRL | Qt::Key_X},
        {"mnuPaste", Qt::CTRL | Qt::Key_V},
        {"mnuSelectAll", Qt::CTRL | Qt::Key_A},
        {"mnuCut", Qt::SHIFT | Qt::Key_Delete},
        {"mnuPaste", Qt::SHIFT | Qt::Key_Insert},
        {"mnuTools", Qt::CTRL | Qt::Key_T},
        {"mnuBottomBar", Qt::CTRL | Qt::Key_B},
        {"mnuUndo", Qt::CTRL | Qt::Key_Z},
        {"mnuRedo", Qt::CTRL | Qt::Key_Y},
        {"mnuUndo", Qt::CTRL | Qt::Key_Z},
        {"mnuRedo", Qt::CTRL | Qt::SHIFT | Qt::Key_Z},
    };
    for (const Key& k : keys) {
        SCOPED_TRACE(std::string(k.item) + " " + QKeySequence(k.key).toString().toStdString());
        QSignalSpy triggered(menuItem(*window, k.item), &QAction::triggered);
        QTest::keyClick(window->coding()->viewport(), k.key.key(), k.key.keyboardModifiers());
        QCoreApplication::processEvents();
        EXPECT_EQ(triggered.count(), 1);
    }
}

TEST_F(frmMainTest, ControlsSitAtTheirDesignGeometryAfterTheFirstLayout) {
    struct Control {
        const char* name;
        QRect pixels;
    };
    // The window is 9990 x 6990 twips: the layout sizes the tab control, the
    // editor and the bar, and places the panels; the rest keeps its design.
    const Control controls[] = {
        {"XTab", {8, 8, 466, 379}},          {"coding", {8, 32, 446, 332}},
        {"WB", {8, 32, 446, 332}},           {"Frame1", {482, 8, 169, 249}},
        {"picBottomBar", {8, 392, 466, 33}}, {"Option1_0", {8, 8, 57, 17}},
        {"Option1_3", {160, 8, 49, 17}},     {"filedisplay", {176, 8, 3, 13}},
        {"Label1_1", {0, 0, 9, 9}},
    };
    for (const Control& c : controls) {
        auto* widget = window->findChild<QWidget*>(QLatin1String(c.name));
        ASSERT_NE(widget, nullptr) << c.name;
        EXPECT_EQ(widget->geometry(), c.pixels) << c.name;
    }
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("Label1_1"))->text(), QStringLiteral("-"));
    EXPECT_EQ(window->findChild<QRadioButton*>(QStringLiteral("Option1_2"))->text(),
              QStringLiteral("ASP"));
}

TEST(frmMainCommandLine, QuotesAreRemovedAndTheWholeLineIsOnePath) {
    QTemporaryDir dir;
    const QString spaced = dir.filePath(QStringLiteral("My Pages/a.html"));
    QDir(dir.path()).mkdir(QStringLiteral("My Pages"));
    writeRaw(spaced, "<p>hi</p>");
    FakePrompts prompts;
    RecordingPlacement placement;
    {
        frmMain window(prompts, placement);
        window.create(QLatin1Char('"') + spaced + QLatin1Char('"'));
        EXPECT_EQ(window.CurrentFile(), spaced);
        EXPECT_TRUE(prompts.messages.empty());
    }
    {
        writeRaw(dir.filePath(QStringLiteral("b.html")), "b");
        frmMain window(prompts, placement);
        window.create(spaced + QLatin1Char(' ') + dir.filePath(QStringLiteral("b.html")));
        EXPECT_TRUE(window.CurrentFile().isEmpty());
        ASSERT_EQ(prompts.messages.size(), 1u); // told that opening failed
        const std::string_view bytes = window.coding()->textBytes();
        EXPECT_EQ(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), kDefaultPage);
    }
}

TEST(frmMainCommandLine, ARelativeNameIsCompletedAgainstTheCurrentFolder) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("site"));
    const QString site = QDir(dir.path()).canonicalPath() + QStringLiteral("/site");
    writeRaw(site + QStringLiteral("/index.html"), "<p>");
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    FakePrompts prompts;
    RecordingPlacement placement;
    for (const char* typed : {"site/index.html", "./site/index.html", "\"site/index.html\""}) {
        SCOPED_TRACE(typed);
        frmMain window(prompts, placement);
        window.create(QString::fromUtf8(typed));
        EXPECT_EQ(window.CurrentFile(), site + QStringLiteral("/index.html"));
        EXPECT_EQ(window.windowTitle(), site + QStringLiteral("/index.html"));
    }
    QDir::setCurrent(before);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(frmMainTest, EnterInsertsTheDocumentsOwnLineEnd) {
    showAndFocusEditor();
    window->coding()->moveCaretToStart();
    QTest::keyClick(window->coding()->viewport(), Qt::Key_Return);
    EXPECT_TRUE(text().startsWith("\r\n<!--"));

    writeRaw(path(QStringLiteral("unix.html")), "a\nb");
    ASSERT_TRUE(window->OpenFile(path(QStringLiteral("unix.html"))));
    window->coding()->setFocus();
    QTest::keyClick(window->coding()->viewport(), Qt::Key_Return);
    EXPECT_EQ(text(), QByteArray("\na\nb"));
    EXPECT_FALSE(window->IsSaved());
}

TEST_F(frmMainTest, CtrlSReachesSaveEvenWithTheEditorFocused) {
    showAndFocusEditor();
    prompts.fileNames = {path(QStringLiteral("k.html"))};
    QTest::keyClick(window->coding()->viewport(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(prompts.dialogs, QStringList{QStringLiteral("save")});
    EXPECT_EQ(readRaw(path(QStringLiteral("k.html"))), kDefaultPage);
}

TEST_F(frmMainTest, NewOnlyShowsItsMessage) {
    trigger(*window, "mnuNew");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, QStringLiteral("Close this windows before continuing"));
    EXPECT_EQ(prompts.messages[0].title, QStringLiteral("Feldt Ostra"));
    EXPECT_EQ(prompts.messages[0].icon, platform::PromptIcon::Critical);
    EXPECT_EQ(text(), kDefaultPage);
}

TEST_F(frmMainTest, DropOnTheWindowSurfaceOnlySaysDone) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path(QStringLiteral("x.html")))});
    dropOn(window.get(), QPoint(600, 300), data);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, QStringLiteral("Done"));
    EXPECT_EQ(prompts.messages[0].title, QStringLiteral("Feldt Ostra 1.1"));
    EXPECT_EQ(text(), kDefaultPage);
}
