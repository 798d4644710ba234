#pragma once

namespace editor {

// What the layout procedure sets, in twips.
enum class LayoutProperty {
    TabWidth,
    TabHeight,
    FrameLeft,
    CodingWidth,
    CodingHeight,
    BrowserWidth,
    BrowserHeight,
    BarTop,
    BarWidth,
};

// The controls the layout works on. set() answers false when the control
// refuses the value (a negative size); get() reads back what it holds.
class LayoutTarget {
public:
    virtual ~LayoutTarget() = default;
    virtual bool toolsShown() const = 0;
    virtual bool barShown() const = 0;
    virtual int get(LayoutProperty property) const = 0;
    virtual bool set(LayoutProperty property, int twips) = 0;
};

// Sizes the tab control, editor and browser and places the panels from the
// window's outer size (W x H twips, border and caption included). Each step
// reads the sizes the earlier steps left; a refused step is skipped.
void runPanelLayout(LayoutTarget& target, int outerWidth, int outerHeight);

} // namespace editor
