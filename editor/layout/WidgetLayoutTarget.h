#pragma once

#include "editor/layout/PanelLayout.h"

#include <vector>

class QWidget;

namespace editor {

// The layout target over real widgets: each layout property is one edge or
// size of one widget, given by a table row.
class WidgetLayoutTarget final : public LayoutTarget {
public:
    enum class Aspect { Left, Top, Width, Height };
    struct Binding {
        LayoutProperty property;
        QWidget* widget;
        Aspect aspect;
    };

    WidgetLayoutTarget(std::vector<Binding> bindings, const QWidget& tools, const QWidget& bar)
        : bindings_(std::move(bindings)), tools_(tools), bar_(bar) {}

    bool toolsShown() const override;
    bool barShown() const override;
    int get(LayoutProperty property) const override;
    bool set(LayoutProperty property, int twips) override;

private:
    const Binding* find(LayoutProperty property) const;

    std::vector<Binding> bindings_;
    const QWidget& tools_;
    const QWidget& bar_;
};

} // namespace editor
