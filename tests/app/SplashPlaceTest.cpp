#include "app/launch/SplashPlace.h"

#include <gtest/gtest.h>

using launch::Monitor;
using launch::Rect;

TEST(SplashPlace, FollowsQtsSplashOnOneMonitorOrManyWithPanelsOrNone) {
    struct Case {
        const char* what;
        launch::Screen screen;
        int x;
        int y;
    };
    const Rect whole{0, 0, 3200, 1200};
    const Rect left{0, 0, 1600, 1200};
    const Rect right{1600, 0, 1600, 1200};
    const Rect panelAtTop{0, 40, 3200, 1160};
    const std::vector<Case> cases = {
        {"no monitors, no work area", {left, {}, std::nullopt, false}, 575, 455},
        {"one monitor under a panel",
         {left, {{left, true}}, Rect{0, 40, 1600, 1160}, false},
         575,
         475},
        {"an odd work area rounds as Qt", {left, {}, Rect{3, 5, 1599, 1191}, false}, 577, 456},
        {"two monitors: the primary, without the panel",
         {whole, {{left, false}, {right, true}}, panelAtTop, false},
         2175,
         455},
        {"two monitors, no primary: the first",
         {whole, {{left, false}, {right, false}}, {}, false},
         575,
         455},
        {"two monitors, told to rely on the work area",
         {whole, {{left, true}, {right, false}}, panelAtTop, true},
         575,
         475},
    };
    for (const Case& c : cases) {
        const launch::Point at = launch::splashPlace(c.screen, 450, 290);
        EXPECT_EQ(at.x, c.x) << c.what;
        EXPECT_EQ(at.y, c.y) << c.what;
    }
}
