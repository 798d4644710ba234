#include "editor/editing/SourceEditor.h"
#include "editor/frmMain.h"
#include "platform/system/ProcessAge.h"
#include "shell/frmSplash.h"
#include "shell/mdimain.h"
#include "support/FakePrompts.h"
#include "support/MemorySettings.h"
#include "support/Menus.h"

#include <QAccessible>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using platform::PromptAnswer;
using shell::mdimain;

namespace {

QStringList menuBarTitles(QMainWindow& frame) {
    QStringList titles;
    for (QAction* a : frame.menuBar()->actions()) {
        if (a->isVisible())
            titles << a->text();
    }
    return titles;
}

} // namespace

TEST(frmSplash, ShowsTheDocumentExactlyOnceBeforeClosingWhicheverTickComesFirst) {
    struct Order {
        const char* name;
        std::vector<int> ticks; // 1: Timer1 (close), 2: Timer2 (show)
    };
    const std::vector<Order> orders = {
        {"as planned", {2, 1}},
        {"close overtakes show", {1, 2}},
        {"show twice, then close", {2, 2, 1}},
        {"late ticks after the close", {2, 1, 2, 1}},
    };
    for (const Order& order : orders) {
        SCOPED_TRACE(order.name);
        QStringList events;
        shell::frmSplash splash(shell::SplashTimings{}, [&] { events << "show"; });
        QObject::connect(&splash, &shell::frmSplash::closed, [&] { events << "close"; });
        splash.show();
        EXPECT_EQ(splash.Timer2()->interval(), 1950);
        EXPECT_EQ(splash.Timer1()->interval(), 2000);
        for (const int tick : order.ticks)
            tick == 1 ? splash.Timer1_Timer() : splash.Timer2_Timer();
        ASSERT_GE(events.size(), 2);
        EXPECT_EQ(events.first(), QStringLiteral("show"));
        EXPECT_EQ(events.last(), QStringLiteral("close"));
        EXPECT_EQ(events.count(QStringLiteral("close")), 1);
        EXPECT_FALSE(splash.isVisible());
        EXPECT_FALSE(splash.Timer1()->isActive());
        EXPECT_FALSE(splash.Timer2()->isActive());
    }
}

TEST(frmSplash, TheTimersCountFromTheProgramsStartAndKeepTheirOrder) {
    struct Case {
        qint64 startedMsAgo;
        int show, close;
    };
    for (const Case c : {Case{130, 1820, 1870}, Case{5000, 0, 50}}) {
        shell::SplashTimings timings;
        timings.startedMsAgo = [&] { return c.startedMsAgo; };
        shell::frmSplash splash(timings, [] {});
        splash.show();
        EXPECT_EQ(splash.Timer2()->interval(), c.show);
        EXPECT_EQ(splash.Timer1()->interval(), c.close);
    }
    // This test program has run for a while: its age is read, not zero.
    EXPECT_GT(platform::processAgeMs(), 0);
}

TEST(frmSplash, AProgramLeftWithoutAWindowWhenTheSplashClosesEnds) {
    // The document window never appears: the program must not linger.
    shell::frmSplash splash(shell::SplashTimings{}, [] {});
    QObject::connect(&splash, &shell::frmSplash::closed, &shell::quitWhenNoWindowIsOpen);
    splash.show();
    QTimer::singleShot(0, &splash, [&] { splash.Timer1_Timer(); });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    watchdog.start(10000);
    EXPECT_EQ(QCoreApplication::exec(), 0);
}

class FrameTest : public ::testing::Test {
protected:
    FakePrompts prompts;
    MemorySettings settings;
};

TEST_F(FrameTest, FirstStartWithEmptyStore) {
    mdimain frame(prompts, settings, QString());
    frame.showDocumentWindow();
    // The set-up size, 11000 x 9000 twips, centred on the screen; the whole
    // document window inside the client area.
    const QRect screen = frame.screen()->availableGeometry();
    EXPECT_EQ(frame.frameGeometry().size(), QSize(733, 600).boundedTo(screen.size()));
    EXPECT_EQ(frame.frameGeometry().center().x(), screen.center().x());
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Feldt Ostra 1.1"));
    ASSERT_TRUE(frame.isDocumentOpen());
    EXPECT_EQ(frame.documentSubWindow()->size(), QSize(666, 466));
    EXPECT_TRUE(frame.area()->viewport()->rect().contains(frame.documentSubWindow()->geometry()));
    // The window manager's title bar takes its room a moment later.
    frame.resize(frame.size() - QSize(0, 60));
    QCoreApplication::processEvents();
    EXPECT_TRUE(frame.area()->viewport()->rect().contains(frame.documentSubWindow()->geometry()));
    EXPECT_EQ(menuBarTitles(frame),
              (QStringList{"&File", "&Edit", "&Search", "Insert", "&View", "&Page", "&Help"}));

    QStringList panels;
    for (int i = 1; i <= 5; ++i)
        panels << frame.findChild<QLabel*>(QStringLiteral("sbStatusBar_%1").arg(i))->text();
    EXPECT_EQ(panels, (QStringList{"Ostra Ready", "NUM", "CAPS", "INS", "SCRL"}));
    EXPECT_FALSE(frame.findChild<QLabel*>(QStringLiteral("sbStatusBar_7"))->text().isEmpty());
    // Insert mode is the document's: lit once the document window is made.
    EXPECT_TRUE(frame.findChild<QLabel*>(QStringLiteral("sbStatusBar_4"))->isEnabled());
}

TEST_F(FrameTest, StoredPlacementIsUsedAndClosingWritesItThreeTimes) {
    settings.values[QStringLiteral("mdiSettings/Width")] = QStringLiteral("9000");
    settings.values[QStringLiteral("mdiSettings/Height")] = QStringLiteral("7500");
    {
        mdimain frame(prompts, settings, QString());
        frame.showDocumentWindow();
        EXPECT_EQ(frame.frameGeometry().size(), QSize(600, 500));
        ASSERT_TRUE(frame.documentWindow()->SaveFile(QDir::temp().filePath("ostra-frame.html")));
        settings.writes.clear();
        EXPECT_TRUE(frame.close());
        EXPECT_TRUE(prompts.messages.empty());
    }
    QFile::remove(QDir::temp().filePath("ostra-frame.html"));
    const QStringList frameWrites = settings.writesTo(QStringLiteral("mdiSettings"));
    ASSERT_EQ(frameWrites.size(), 15);
    EXPECT_EQ(frameWrites.mid(0, 5), frameWrites.mid(5, 5));
    EXPECT_EQ(frameWrites.mid(0, 5), frameWrites.mid(10, 5));
    EXPECT_EQ(settings.writesTo(QStringLiteral("Settings")).size(), 5);
}

TEST_F(FrameTest, CancelAtTheSavePromptKeepsBothWindowsOpen) {
    mdimain frame(prompts, settings, QString());
    frame.showDocumentWindow();
    prompts.answers = {PromptAnswer::Cancel};
    EXPECT_FALSE(frame.close());
    EXPECT_TRUE(frame.isVisible());
    EXPECT_TRUE(frame.isDocumentOpen());
    EXPECT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(settings.writesTo(QStringLiteral("Settings")).isEmpty());
}

TEST_F(FrameTest, ExitLeavesTheFrameWithItsOwnMenusAndNewBringsBackAFreshDocument) {
    mdimain frame(prompts, settings, QString());
    frame.showDocumentWindow();
    editor::frmMain* document = frame.documentWindow();
    ASSERT_TRUE(document->SaveFile(QDir::temp().filePath("ostra-exit.html")));
    QFile::remove(QDir::temp().filePath("ostra-exit.html"));

    trigger(*document, "mnuExit");
    EXPECT_FALSE(frame.isDocumentOpen());
    EXPECT_TRUE(frame.isVisible());
    EXPECT_EQ(menuBarTitles(frame), (QStringList{"&File", "&Help"}));
    // Exit saves the placement, then the close request saves it again.
    EXPECT_EQ(settings.writesTo(QStringLiteral("Settings")).size(), 10);

    frame.mnuNew_Click();
    EXPECT_TRUE(frame.isDocumentOpen());
    EXPECT_EQ(frame.documentWindow(), document); // the same window object
    EXPECT_TRUE(document->CurrentFile().isEmpty());
    EXPECT_FALSE(document->IsSaved());
    EXPECT_EQ(menuBarTitles(frame).size(), 7);

    // While open, New only brings it to the front.
    frame.mnuNew_Click();
    EXPECT_EQ(frame.area()->subWindowList().size(), 1);
}

TEST_F(FrameTest, TheDocumentMenusStandInEveryWindowStateOfBothWindows) {
    mdimain frame(prompts, settings, QString());
    frame.showDocumentWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    QMdiSubWindow* sub = frame.documentSubWindow();
    const QStringList documentMenus = menuBarTitles(frame);
    ASSERT_EQ(documentMenus.size(), 7);
    struct Step {
        const char* name;
        std::function<void()> run;
    };
    const std::vector<Step> steps = {
        {"document maximised", [&] { sub->showMaximized(); }},
        {"document restored", [&] { sub->showNormal(); }},
        {"document minimised", [&] { sub->showMinimized(); }},
        {"document restored again", [&] { sub->showNormal(); }},
        {"frame minimised", [&] { frame.showMinimized(); }},
        {"frame restored", [&] { frame.showNormal(); }},
        {"frame maximised", [&] { frame.showMaximized(); }},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.run();
        QCoreApplication::processEvents();
        EXPECT_EQ(menuBarTitles(frame), documentMenus);
        EXPECT_TRUE(frame.isDocumentOpen());
    }
}

TEST_F(FrameTest, ADocumentWindowStartedMaximisedRestoresToItsDesignSize) {
    settings.values[QStringLiteral("Settings/WindowState")] = QStringLiteral("2");
    mdimain frame(prompts, settings, QString());
    frame.showDocumentWindow();
    QMdiSubWindow* sub = frame.documentSubWindow();
    EXPECT_TRUE(sub->isMaximized());
    sub->showNormal();
    EXPECT_EQ(sub->size(), QSize(666, 466)); // 10000 x 7000 twips
}

TEST_F(FrameTest, TheEditorHoldsTheFocusAfterCreationReopeningAndAnOpen) {
    QTemporaryDir dir;
    const QString page = dir.filePath(QStringLiteral("page.html"));
    {
        QFile f(page);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("<p>");
    }
    mdimain frame(prompts, settings, page);
    frame.showDocumentWindow();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    editor::frmMain* document = frame.documentWindow();
    EXPECT_EQ(QApplication::focusWidget(), document->coding()) << "after creation";

    document->coding()->clearFocus();
    ASSERT_TRUE(document->OpenFile(page));
    EXPECT_EQ(QApplication::focusWidget(), document->coding()) << "after an open";

    trigger(*document, "mnuExit");
    frame.mnuNew_Click();
    EXPECT_EQ(QApplication::focusWidget(), document->coding()) << "after reopening";
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("x"));
    EXPECT_EQ(document->coding()->text().left(1), QStringLiteral("x"));
}

TEST_F(FrameTest, NewAfterExitStartsAnHtmlDocumentWhateverTypeWasChosen) {
    mdimain frame(prompts, settings, QString());
    frame.showDocumentWindow();
    editor::frmMain* document = frame.documentWindow();
    document->findChild<QRadioButton*>(QStringLiteral("Option1_3"))->click();
    ASSERT_EQ(document->DocumentType(), core::DocumentType::CSS);
    prompts.answers = {PromptAnswer::No};
    trigger(*document, "mnuExit");
    frame.mnuNew_Click();
    EXPECT_EQ(document->DocumentType(), core::DocumentType::HTML);
}

TEST_F(FrameTest, CommandsFollowAReopenedDocumentWhileItsWindowIsMinimised) {
    QTemporaryDir dir;
    const QString css = dir.filePath(QStringLiteral("Site.CSS"));
    QFile f(css);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("a{}");
    f.close();
    mdimain frame(prompts, settings, css);
    frame.showDocumentWindow();
    editor::frmMain* document = frame.documentWindow();
    QAction* viewPage = document->findChild<QAction*>(QStringLiteral("mnuViewPage"));
    ASSERT_FALSE(viewPage->isEnabled());
    frame.documentSubWindow()->showMinimized();
    QAction* cut = document->findChild<QAction*>(QStringLiteral("mnuCut"));
    document->coding()->SendScintilla(QsciScintilla::SCI_SETSEL, 0UL, 0L);
    trigger(*document, "mnuSelectAll");
    ASSERT_TRUE(cut->isEnabled());
    trigger(*document, "mnuElements_0"); // typing over the selection, from the Insert menu
    EXPECT_FALSE(cut->isEnabled());
    trigger(*document, "mnuCut");
    prompts.answers = {PromptAnswer::No};
    trigger(*document, "mnuExit");
    frame.mnuNew_Click(); // nothing is repainted while minimised
    EXPECT_EQ(document->DocumentType(), core::DocumentType::HTML);
    EXPECT_TRUE(viewPage->isEnabled());
    EXPECT_TRUE(document->findChild<QWidget*>(QStringLiteral("Command1"))->isEnabled());
}

TEST_F(FrameTest, AltPOpensThePageMenu) {
    mdimain frame(prompts, settings, QString());
    frame.showDocumentWindow();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    QTest::keyClick(frame.documentWindow()->coding(), Qt::Key_P, Qt::AltModifier);
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->objectName(), QStringLiteral("mnuPage"));
    popup->close();
}

TEST_F(FrameTest, F10OpensTheFirstMenuAndScreenReadersMeetOnlyTheShownMenus) {
    mdimain frame(prompts, settings, QString());
    frame.showDocumentWindow();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    QTest::keyClick(frame.documentWindow()->coding()->viewport(), Qt::Key_F10);
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->objectName(), QStringLiteral("mnuFile"));
    popup->close();

    // The hidden "&Projects" menu and "&Visual" item are not there at all.
    const auto names = [](QObject* object) {
        QStringList names;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(object);
        for (int i = 0; a && i < a->childCount(); ++i)
            names << a->child(i)->text(QAccessible::Name);
        return names;
    };
    EXPECT_EQ(names(frame.menuBar()),
              (QStringList{"File", "Edit", "Search", "Insert", "View", "Page", "Help"}));
    EXPECT_EQ(names(frame.documentWindow()->findChild<QMenu*>(QStringLiteral("mnuPage"))),
              QStringList{"View Page"});
}

TEST_F(FrameTest, TheWholeDocumentWindowCanBeScrolledTo) {
    mdimain frame(prompts, settings, QString());
    frame.showDocumentWindow();
    EXPECT_EQ(frame.area()->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    EXPECT_EQ(frame.area()->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    EXPECT_FALSE(frame.windowIcon().isNull());
    EXPECT_EQ(frame.documentSubWindow()->windowIcon().cacheKey(), frame.windowIcon().cacheKey());
}

TEST_F(FrameTest, AFrameClosedMinimisedStartsMinimised) {
    settings.values[QStringLiteral("mdiSettings/WindowState")] = QStringLiteral("1");
    mdimain frame(prompts, settings, QString());
    frame.showDocumentWindow();
    QCoreApplication::processEvents();
    EXPECT_TRUE(frame.isMinimized());
    EXPECT_TRUE(frame.isDocumentOpen());
}
