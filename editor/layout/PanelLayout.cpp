#include "editor/layout/PanelLayout.h"

namespace editor {

void runPanelLayout(LayoutTarget& target, int W, int H) {
    using P = LayoutProperty;
    const bool tools = target.toolsShown();
    const bool bar = target.barShown();

    target.set(P::TabWidth, tools ? W - 3000 : W - 400);
    if (tools)
        target.set(P::FrameLeft, W - 2750);
    target.set(P::TabHeight, bar ? H - 1300 : H - 700);
    target.set(P::CodingWidth, target.get(P::TabWidth) - 300);
    target.set(P::CodingHeight, target.get(P::TabHeight) - 700);
    target.set(P::BrowserWidth, target.get(P::CodingWidth));
    target.set(P::BrowserHeight, target.get(P::CodingHeight));
    if (bar) {
        target.set(P::BarTop, H - 1100);
        target.set(P::BarWidth, target.get(P::TabWidth));
    }
}

} // namespace editor
