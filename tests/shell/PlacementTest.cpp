#include "shell/Placement.h"
#include "shell/WindowPlacement.h"
#include "support/MemorySettings.h"
#include "support/QtTestMain.h"

#include <QWidget>

#include <gtest/gtest.h>

using namespace shell;

TEST(Placement, NumbersAreWrittenAsSinglePrecisionText) {
    EXPECT_EQ(placementText(10620), QStringLiteral("10620"));
    EXPECT_EQ(placementText(0), QStringLiteral("0"));
    EXPECT_EQ(placementText(-45), QStringLiteral("-45"));
    EXPECT_EQ(placementText(7.5f), QStringLiteral("7.5"));
}

TEST(Placement, EmptyStoreGivesTheDefaults) {
    const MemorySettings store;
    const Placement p = readPlacement(store, QStringLiteral("Settings"), 9000, 6000);
    EXPECT_EQ(p.width, 10620);
    EXPECT_EQ(p.height, 6030);
    EXPECT_EQ(p.x, 4500);
    EXPECT_EQ(p.y, 3000);
    EXPECT_EQ(p.windowState, 0);
}

TEST(Placement, ValuesThatAreNotNumbersCountAsMissing) {
    MemorySettings store;
    store.values[QStringLiteral("Settings/Width")] = QStringLiteral("wide");
    store.values[QStringLiteral("Settings/Height")] = QStringLiteral(" 4500 ");
    store.values[QStringLiteral("Settings/X")] = QStringLiteral("nan");
    store.values[QStringLiteral("Settings/Y")] = QStringLiteral("");
    store.values[QStringLiteral("Settings/WindowState")] = QStringLiteral("7");
    const Placement p = readPlacement(store, QStringLiteral("Settings"), 100, 200);
    EXPECT_EQ(p.width, 10620);
    EXPECT_EQ(p.height, 4500);
    EXPECT_EQ(p.x, 50);
    EXPECT_EQ(p.y, 100);
    EXPECT_EQ(p.windowState, 0);
}

TEST(Placement, SectionsDoNotOverwriteEachOther) {
    MemorySettings store;
    writePlacement(store, QStringLiteral("Settings"), {1, 2, 3, 4, 0});
    writePlacement(store, QStringLiteral("mdiSettings"), {5, 6, 7, 8, 2});
    EXPECT_EQ(readPlacement(store, QStringLiteral("Settings"), 0, 0).width, 1);
    EXPECT_EQ(readPlacement(store, QStringLiteral("mdiSettings"), 0, 0).windowState, 2);
    EXPECT_EQ(store.writesTo(QStringLiteral("Settings")),
              (QStringList{"Settings/Width=1", "Settings/Height=2", "Settings/Y=4", "Settings/X=3",
                           "Settings/WindowState=0"}));
}

TEST(WindowPlacement, NormalWindowIsMovedAndSizedInTwips) {
    MemorySettings store;
    QWidget window;
    WindowPlacement placement(store, QStringLiteral("Settings"));
    placement.RestorePlacement(window, window); // empty store
    EXPECT_EQ(window.size(), QSize(708, 402));  // 10620 x 6030 twips

    window.setGeometry(30, 45, 200, 100);
    placement.SavePlacement(window);
    EXPECT_EQ(store.writesTo(QStringLiteral("Settings")),
              (QStringList{"Settings/Width=3000", "Settings/Height=1500", "Settings/Y=675",
                           "Settings/X=450", "Settings/WindowState=0"}));

    QWidget other;
    placement.RestorePlacement(other, other);
    EXPECT_EQ(other.geometry(), QRect(30, 45, 200, 100));
}

TEST(WindowPlacement, MaximizedOrMinimizedWindowKeepsItsStateAndIsNotMoved) {
    for (const int state : {1, 2}) {
        MemorySettings store;
        store.values[QStringLiteral("Settings/WindowState")] = QString::number(state);
        store.values[QStringLiteral("Settings/X")] = QStringLiteral("1500");
        QWidget window;
        window.setGeometry(10, 10, 100, 100);
        WindowPlacement(store, QStringLiteral("Settings")).RestorePlacement(window, window);
        EXPECT_EQ(window.windowState(), state == 1 ? Qt::WindowMinimized : Qt::WindowMaximized);
        EXPECT_EQ(window.geometry(), QRect(10, 10, 100, 100));
    }
}

TEST(WindowPlacement, MaximizedWindowStoresStateTwo) {
    MemorySettings store;
    QWidget window;
    window.setWindowState(Qt::WindowMaximized);
    WindowPlacement(store, QStringLiteral("Settings")).SavePlacement(window);
    EXPECT_EQ(store.values.value(QStringLiteral("Settings/WindowState")), QStringLiteral("2"));
}

OSTRA_QT_TEST_MAIN
