#include "shell/placement/Placement.h"
#include "shell/placement/PlacementTarget.h"
#include "shell/placement/WindowPlacement.h"
#include "support/MemorySettings.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

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

namespace {

// A window whose manager adds a border of 4 pixels and a 20-pixel title bar.
class FramedWindow final : public PlacementTarget {
public:
    QRect client{100, 100, 300, 200};
    int state = 0;
    QList<QRect> screenAreas{QRect(0, 0, 1600, 1200)};

    QRect outerGeometry() const override { return client.marginsAdded(kFrame); }
    QSize innerSize() const override { return client.size(); }
    int windowState() const override { return state; }
    void setWindowState(int s) override { state = s; }
    void setOuterGeometry(const QRect& outer) override { client = outer.marginsRemoved(kFrame); }
    QList<QRect> screens() const override { return screenAreas; }

private:
    static constexpr QMargins kFrame{4, 20, 4, 4};
};

} // namespace

TEST(WindowPlacement, OuterSizesSurviveFiveStartsWithAWindowBorder) {
    MemorySettings store;
    store.values[QStringLiteral("mdiSettings/Width")] = QStringLiteral("10650");
    store.values[QStringLiteral("mdiSettings/Height")] = QStringLiteral("6405");
    store.values[QStringLiteral("mdiSettings/X")] = QStringLiteral("1500");
    store.values[QStringLiteral("mdiSettings/Y")] = QStringLiteral("900");
    store.values[QStringLiteral("mdiSettings/WindowState")] = QStringLiteral("0");
    const QMap<QString, QString> first = store.values;
    const WindowPlacement placement(store, QStringLiteral("mdiSettings"));
    for (int run = 0; run < 5; ++run) {
        FramedWindow window;
        placement.RestorePlacement(window);
        placement.SavePlacement(window);
    }
    EXPECT_EQ(store.values, first);
}

TEST(WindowPlacement, StoredValuesThatCannotShowAWindowCountAsMissing) {
    struct Case {
        const char* key;
        const char* value;
        QRect expected; // outer, in pixels
    };
    // Defaults: 10620 x 6030 twips at half the inner size (300 x 200 -> 150, 100).
    const std::vector<Case> cases = {
        {"Width", "3000000", QRect(100, 60, 708, 300)},
        {"Width", "-6000", QRect(100, 60, 708, 300)},
        {"Height", "30", QRect(100, 60, 400, 402)},
        {"X", "-100000", QRect(150, 60, 400, 300)},
        {"X", "10000000", QRect(150, 60, 400, 300)},
        {"Y", "-600", QRect(100, 100, 400, 300)},
        {"Y", "18000", QRect(100, 100, 400, 300)},
        // Partly off screen but with its title bar reachable: kept exactly.
        {"X", "-3000", QRect(-200, 60, 400, 300)},
        {"Width", "30000", QRect(100, 60, 2000, 300)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + c.value);
        MemorySettings store;
        store.values[QStringLiteral("Settings/Width")] = QStringLiteral("6000");
        store.values[QStringLiteral("Settings/Height")] = QStringLiteral("4500");
        store.values[QStringLiteral("Settings/X")] = QStringLiteral("1500");
        store.values[QStringLiteral("Settings/Y")] = QStringLiteral("900");
        store.values[QStringLiteral("Settings/") + QLatin1String(c.key)] = QLatin1String(c.value);
        FramedWindow window;
        window.screenAreas = {QRect(0, 0, 1024, 768)};
        WindowPlacement(store, QStringLiteral("Settings")).RestorePlacement(window);
        EXPECT_EQ(window.outerGeometry(), c.expected);
    }
}
