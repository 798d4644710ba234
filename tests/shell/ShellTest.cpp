#include "editor/SourceEditor.h"
#include "editor/frmMain.h"
#include "shell/frmSplash.h"
#include "shell/mdimain.h"
#include "support/FakePrompts.h"
#include "support/MemorySettings.h"
#include "support/QtTestMain.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

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

TEST(frmSplash, ShowsTheDocumentBeforeClosingItself) {
    QStringList events;
    shell::frmSplash splash(shell::SplashTimings{15, 40}, [&] { events << "show"; });
    QObject::connect(splash.Timer1(), &QTimer::timeout, [&] { events << "close"; });
    splash.show();
    EXPECT_EQ(splash.size(), QSize(450, 290));
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    QTest::qWait(120);
    ASSERT_FALSE(events.isEmpty());
    EXPECT_EQ(events.first(), QStringLiteral("show"));
    EXPECT_EQ(events.last(), QStringLiteral("close"));
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(splash.Timer2()->isActive());
}

class FrameTest : public ::testing::Test {
protected:
    FakePrompts prompts;
    MemorySettings settings;
};

TEST_F(FrameTest, FirstStartWithEmptyStore) {
    mdimain frame(prompts, settings, QString());
    frame.showDocumentWindow();
    // Placed by the first read, set to 11000 x 9000, then read again with the defaults.
    EXPECT_EQ(frame.size(), QSize(708, 402));
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Feldt Ostra 1.1"));
    ASSERT_TRUE(frame.isDocumentOpen());
    EXPECT_EQ(frame.documentSubWindow()->size(), QSize(666, 466));
    EXPECT_EQ(menuBarTitles(frame),
              (QStringList{"&File", "&Edit", "Insert", "&View", "&Page", "&Help"}));

    QStringList panels;
    for (int i = 1; i <= 5; ++i)
        panels << frame.findChild<QLabel*>(QStringLiteral("sbStatusBar_%1").arg(i))->text();
    EXPECT_EQ(panels, (QStringList{"Ostra Ready", "NUM", "CAPS", "INS", "SCRL"}));
    EXPECT_FALSE(frame.findChild<QLabel*>(QStringLiteral("sbStatusBar_7"))->text().isEmpty());
}

TEST_F(FrameTest, StoredPlacementIsUsedAndClosingWritesItThreeTimes) {
    settings.values[QStringLiteral("mdiSettings/Width")] = QStringLiteral("9000");
    settings.values[QStringLiteral("mdiSettings/Height")] = QStringLiteral("7500");
    {
        mdimain frame(prompts, settings, QString());
        frame.showDocumentWindow();
        EXPECT_EQ(frame.size(), QSize(600, 500));
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

    document->mnuExit_Click();
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
    EXPECT_EQ(menuBarTitles(frame).size(), 6);

    // While open, New only brings it to the front.
    frame.mnuNew_Click();
    EXPECT_EQ(frame.area()->subWindowList().size(), 1);
}

OSTRA_QT_TEST_MAIN
