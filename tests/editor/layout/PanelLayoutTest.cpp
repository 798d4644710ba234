#include "editor/layout/PanelLayout.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

using editor::LayoutProperty;
using P = editor::LayoutProperty;

namespace {

// Controls that hold what they are given, refuse negative sizes like the
// real ones, and remember the order of the steps.
class FakeControls : public editor::LayoutTarget {
public:
    bool tools = true;
    bool bar = true;
    std::map<P, int> values{
        {P::TabWidth, 8295},      {P::TabHeight, 4815},    {P::FrameLeft, 8520},
        {P::CodingWidth, 8055},   {P::CodingHeight, 4215}, {P::BrowserWidth, 8055},
        {P::BrowserHeight, 4215}, {P::BarTop, 5040},       {P::BarWidth, 8295}};
    std::vector<P> steps;

    bool toolsShown() const override { return tools; }
    bool barShown() const override { return bar; }
    int get(P p) const override { return values.at(p); }
    bool set(P p, int twips) override {
        steps.push_back(p);
        const bool isPosition = p == P::FrameLeft || p == P::BarTop;
        if (!isPosition && twips < 0)
            return false;
        values[p] = twips;
        return true;
    }
};

} // namespace

TEST(PanelLayout, AllFourPanelCasesAtTheInitialSize) {
    struct Case {
        bool tools, bar;
        int tabW, tabH, codingW, codingH, frameLeft, barTop, barWidth;
    };
    // Unchanged values keep the design geometry.
    const Case cases[] = {
        {true, true, 7000, 5700, 6700, 5000, 7250, 5900, 7000},
        {true, false, 7000, 6300, 6700, 5600, 7250, 5040, 8295},
        {false, true, 9600, 5700, 9300, 5000, 8520, 5900, 9600},
        {false, false, 9600, 6300, 9300, 5600, 8520, 5040, 8295},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "tools " << c.tools << " bar " << c.bar);
        FakeControls controls;
        controls.tools = c.tools;
        controls.bar = c.bar;
        editor::runPanelLayout(controls, 10000, 7000);
        EXPECT_EQ(controls.get(P::TabWidth), c.tabW);
        EXPECT_EQ(controls.get(P::TabHeight), c.tabH);
        EXPECT_EQ(controls.get(P::CodingWidth), c.codingW);
        EXPECT_EQ(controls.get(P::CodingHeight), c.codingH);
        EXPECT_EQ(controls.get(P::BrowserWidth), c.codingW);
        EXPECT_EQ(controls.get(P::BrowserHeight), c.codingH);
        EXPECT_EQ(controls.get(P::FrameLeft), c.frameLeft);
        EXPECT_EQ(controls.get(P::BarTop), c.barTop);
        EXPECT_EQ(controls.get(P::BarWidth), c.barWidth);
    }
}

TEST(PanelLayout, StepsRunInOrderAndSkipHiddenPanels) {
    FakeControls both;
    editor::runPanelLayout(both, 12000, 9000);
    EXPECT_EQ(both.steps, (std::vector<P>{P::TabWidth, P::FrameLeft, P::TabHeight, P::CodingWidth,
                                          P::CodingHeight, P::BrowserWidth, P::BrowserHeight,
                                          P::BarTop, P::BarWidth}));
    EXPECT_EQ(both.get(P::FrameLeft), 9250);
    EXPECT_EQ(both.get(P::BarTop), 7900);

    FakeControls none;
    none.tools = none.bar = false;
    editor::runPanelLayout(none, 12000, 9000);
    EXPECT_EQ(none.steps, (std::vector<P>{P::TabWidth, P::TabHeight, P::CodingWidth,
                                          P::CodingHeight, P::BrowserWidth, P::BrowserHeight}));
}

TEST(PanelLayout, TinyWindowSkipsRefusedStepsAndReadsBackWhatTheControlsHold) {
    // 2800 x 1000: the tab width (-200) and height (-300) are refused; the
    // editor is sized from what the tab control still holds.
    FakeControls controls;
    editor::runPanelLayout(controls, 2800, 1000);
    EXPECT_EQ(controls.get(P::TabWidth), 8295);
    EXPECT_EQ(controls.get(P::TabHeight), 4815);
    EXPECT_EQ(controls.get(P::FrameLeft), 50);
    EXPECT_EQ(controls.get(P::CodingWidth), 7995);
    EXPECT_EQ(controls.get(P::CodingHeight), 4115);
    EXPECT_EQ(controls.get(P::BarTop), -100);
    EXPECT_EQ(controls.get(P::BarWidth), 8295);
    EXPECT_EQ(controls.steps.size(), 9u);
}

TEST(PanelLayout, MinimisedWindowThenRestoredGivesTheSameLayoutAsBefore) {
    FakeControls controls;
    editor::runPanelLayout(controls, 10000, 7000);
    const auto before = controls.values;
    editor::runPanelLayout(controls, 2400, 450); // a minimised MDI child's size
    editor::runPanelLayout(controls, 10000, 7000);
    EXPECT_EQ(controls.values, before);
}
