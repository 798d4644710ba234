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
    writePlacement(store, QStringLiteral("Settings"), {1, 2, 3, 4, 0, {}});
    writePlacement(store, QStringLiteral("mdiSettings"), {5, 6, 7, 8, 2, {}});
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
    window.resize(400, 300);
    placement.RestorePlacement(window, window); // empty store: a top-level keeps its size
    EXPECT_EQ(window.size(), QSize(400, 300));

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

// A window whose manager adds a border of 4 pixels and a 20-pixel title bar;
// a child (a document window) has its parent's client area as `area`.
class FramedWindow final : public PlacementTarget {
public:
    QRect client{100, 100, 300, 200};
    int state = 0;
    QList<QRect> screenAreas{QRect(0, 0, 1600, 1200)};
    bool child = false;
    QRect area{0, 0, 1600, 1200};

    QRect outerGeometry() const override { return client.marginsAdded(kFrame); }
    QSize innerSize() const override { return client.size(); }
    int windowState() const override { return state; }
    void setWindowState(int s) override { state = s; }
    void setOuterGeometry(const QRect& outer) override { client = outer.marginsRemoved(kFrame); }
    QList<QRect> screens() const override { return screenAreas; }
    bool topLevel() const override { return !child; }
    QRect fitArea(const QRect&) const override { return area; }

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
        // Partly outside the client area: moved just enough; a wider window
        // keeps its size with its left edge at the area's.
        {"X", "-3000", QRect(0, 60, 400, 300)},
        {"Width", "30000", QRect(0, 60, 2000, 300)},
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
        window.child = true;
        window.screenAreas = {QRect(0, 0, 1024, 768)};
        window.area = QRect(0, 0, 1024, 768);
        WindowPlacement(store, QStringLiteral("Settings")).RestorePlacement(window);
        EXPECT_EQ(window.outerGeometry(), c.expected);
    }
}

TEST(WindowPlacement, AFrameWithNothingStoredKeepsItsSetUpSizeCentredWithinItsScreen) {
    struct Case {
        const char* screen;
        QRect available;
        QRect expected; // outer, in pixels
    };
    // The set-up size: 11000 x 9000 twips, 733 x 600 pixels with the border.
    const std::vector<Case> cases = {
        {"1600x1200", QRect(0, 0, 1600, 1200), QRect(433, 300, 733, 600)},
        {"1024x768 with a 28-pixel panel on top", QRect(0, 28, 1024, 740),
         QRect(145, 98, 733, 600)},
        {"the second of two screens", QRect(1600, 0, 1024, 768), QRect(1745, 84, 733, 600)},
        {"1024x768 at scale 2", QRect(0, 0, 512, 384), QRect(0, 0, 512, 384)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.screen);
        MemorySettings store;
        FramedWindow frame;
        frame.client = QRect(QPoint(0, 0), QSize(733, 600) - QSize(8, 24));
        frame.screenAreas = {c.available};
        frame.area = c.available;
        WindowPlacement(store, QStringLiteral("mdiSettings")).RestorePlacement(frame);
        EXPECT_EQ(frame.outerGeometry(), c.expected);
        EXPECT_TRUE(store.values.isEmpty());
    }
}

TEST(WindowPlacement, AStoredFramePartlyOffItsScreenIsMovedThenShrunkJustEnough) {
    struct Case {
        const char* what;
        const char* width;
        const char* height;
        const char* x;
        const char* y;
        QRect expected;
    };
    // A 1440 x 900 screen.
    const std::vector<Case> cases = {
        {"fits: kept exactly", "9000", "7500", "1500", "900", QRect(100, 60, 600, 500)},
        {"below the bottom", "9000", "13215", "1500", "4800", QRect(100, 19, 600, 881)},
        {"past the right", "9000", "7500", "18000", "900", QRect(840, 60, 600, 500)},
        {"taller than the screen", "9000", "15000", "1500", "900", QRect(100, 0, 600, 900)},
        {"wider than the screen", "24000", "7500", "1500", "900", QRect(0, 60, 1440, 500)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MemorySettings store;
        store.values[QStringLiteral("mdiSettings/Width")] = QLatin1String(c.width);
        store.values[QStringLiteral("mdiSettings/Height")] = QLatin1String(c.height);
        store.values[QStringLiteral("mdiSettings/X")] = QLatin1String(c.x);
        store.values[QStringLiteral("mdiSettings/Y")] = QLatin1String(c.y);
        const QMap<QString, QString> stored = store.values;
        FramedWindow frame;
        frame.screenAreas = {QRect(0, 0, 1440, 900)};
        frame.area = QRect(0, 0, 1440, 900);
        WindowPlacement(store, QStringLiteral("mdiSettings")).RestorePlacement(frame);
        EXPECT_EQ(frame.outerGeometry(), c.expected);
        EXPECT_EQ(store.values, stored);
    }
}

TEST(WindowPlacement, ADocumentWindowIsKeptInsideItsFramesClientAreaWhenThatShrinks) {
    MemorySettings store; // first run: 10620 x 6030 at half the inner size
    FramedWindow document;
    document.child = true;
    document.client = QRect(0, 0, 640, 480);
    document.area = QRect(0, 0, 731, 530);
    const WindowPlacement placement(store, QStringLiteral("Settings"));
    placement.RestorePlacement(document);
    EXPECT_EQ(document.outerGeometry(), QRect(23, 128, 708, 402));

    document.setOuterGeometry(QRect(23, 128, 666, 466)); // the creation's size
    document.area = QRect(0, 0, 731, 506);               // the frame's title bar came
    placement.keepInside(document);
    EXPECT_EQ(document.outerGeometry(), QRect(23, 40, 666, 466));

    document.area = QRect(0, 0, 400, 300); // smaller than the window: to the corner
    placement.keepInside(document);
    EXPECT_EQ(document.outerGeometry(), QRect(0, 0, 666, 466));
}
