#include "editor/layout/WidgetLayoutTarget.h"

#include "core/Twips.h"

#include <QWidget>

#include <algorithm>

namespace editor {

bool WidgetLayoutTarget::toolsShown() const {
    return !tools_.isHidden();
}

bool WidgetLayoutTarget::barShown() const {
    return !bar_.isHidden();
}

const WidgetLayoutTarget::Binding* WidgetLayoutTarget::find(LayoutProperty property) const {
    const auto it = std::find_if(bindings_.begin(), bindings_.end(),
                                 [property](const Binding& b) { return b.property == property; });
    return it == bindings_.end() ? nullptr : &*it;
}

int WidgetLayoutTarget::get(LayoutProperty property) const {
    const Binding* b = find(property);
    if (!b)
        return 0;
    const QWidget& w = *b->widget;
    switch (b->aspect) {
    case Aspect::Left:
        return core::pixelsToTwips(w.x());
    case Aspect::Top:
        return core::pixelsToTwips(w.y());
    case Aspect::Width:
        return core::pixelsToTwips(w.width());
    case Aspect::Height:
        return core::pixelsToTwips(w.height());
    }
    return 0;
}

bool WidgetLayoutTarget::set(LayoutProperty property, int twips) {
    const Binding* b = find(property);
    if (!b)
        return false;
    QWidget& w = *b->widget;
    const int px = core::twipsToPixels(twips);
    switch (b->aspect) {
    case Aspect::Left:
        w.move(px, w.y());
        return true;
    case Aspect::Top:
        w.move(w.x(), px);
        return true;
    case Aspect::Width:
    case Aspect::Height:
        // A control refuses a negative size, as while the window is minimised.
        if (px < 0)
            return false;
        w.resize(b->aspect == Aspect::Width ? px : w.width(),
                 b->aspect == Aspect::Height ? px : w.height());
        return true;
    }
    return false;
}

} // namespace editor
