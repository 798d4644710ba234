#include "editor/layout/DocumentWindowDesign.h"

#include "core/Twips.h"
#include "editor/editing/SourceEditor.h"
#include "editor/editing/TabControl.h"
#include "editor/layout/CloseLabel.h"
#include "platform/desktop/DesignFont.h"
#include "platform/gdi/objects/LightPalette.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace editor {

namespace {

using core::twipsRect;
using platform::verdana;

template <typename W> W* place(W* widget, const char* name, const QRect& geometry) {
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

} // namespace

DocumentWindowControls buildDocumentWindowControls(QWidget& window) {
    DocumentWindowControls c{};
    c.XTab = place(new TabControl(&window), "XTab", twipsRect(120, 120, 8295, 4815));
    c.coding = place(new SourceEditor(c.XTab), "coding", twipsRect(120, 480, 8055, 4215));
    c.XTab->addTab(QStringLiteral("Editing"), c.coding);
    c.WB = place(new QWidget(c.XTab), "WB", twipsRect(120, 480, 8055, 4215));
    c.XTab->addTab(QStringLiteral("Preview"), c.WB);

    c.Frame1 = place(new QGroupBox(QStringLiteral("Tools"), &window), "Frame1",
                     twipsRect(8520, 120, 2535, 3735));
    c.Frame1->setFont(verdana(8.25, true));

    c.picBottomBar = place(new QWidget(&window), "picBottomBar", twipsRect(120, 5040, 8295, 495));
    c.picBottomBar->setAutoFillBackground(true);
    applyBarColours(*c.picBottomBar, window.palette());

    struct Option {
        const char* caption;
        const char* name;
        int left;
        int width;
    };
    const std::array<Option, 4> options = {{{"HTML", "Option1_0", 120, 855},
                                            {"XML", "Option1_1", 960, 735},
                                            {"ASP", "Option1_2", 1680, 735},
                                            {"CSS", "Option1_3", 2400, 735}}};
    for (size_t i = 0; i < options.size(); ++i) {
        const Option& o = options[i];
        c.Option1[i] = place(new QRadioButton(QLatin1String(o.caption), c.picBottomBar), o.name,
                             twipsRect(o.left, 120, o.width, 255));
        c.Option1[i]->setFont(verdana(8.25, false));
    }
    c.Option1[0]->setChecked(true);

    c.filedisplay = place(new QLabel(c.picBottomBar), "filedisplay", twipsRect(2640, 120, 45, 195));
    c.Label1 = place(new CloseLabel(QStringLiteral("-"), c.picBottomBar), "Label1_1",
                     twipsRect(0, 0, 135, 135));
    c.Label1->setAccessibleName(QStringLiteral("Hide the bottom bar"));
    return c;
}

void applyBarColours(QWidget& picBottomBar, const QPalette& desktop) {
    const QColor design(224, 224, 224);
    QPalette bar = gdi::isDarkPalette(desktop) ? gdi::lightPaletteAround(design, desktop) : desktop;
    bar.setColor(QPalette::Window, design);
    picBottomBar.setPalette(bar);
}

core::DocumentType selectedType(const std::array<QRadioButton*, 4>& Option1) {
    for (size_t i = 0; i < Option1.size(); ++i) {
        if (Option1[i]->isChecked())
            return static_cast<core::DocumentType>(i);
    }
    return core::DocumentType::HTML;
}

std::vector<WidgetLayoutTarget::Binding> layoutBindings(const DocumentWindowControls& c) {
    using A = WidgetLayoutTarget::Aspect;
    using P = LayoutProperty;
    return {
        {P::TabWidth, c.XTab, A::Width},         {P::TabHeight, c.XTab, A::Height},
        {P::FrameLeft, c.Frame1, A::Left},       {P::CodingWidth, c.coding, A::Width},
        {P::CodingHeight, c.coding, A::Height},  {P::BrowserWidth, c.WB, A::Width},
        {P::BrowserHeight, c.WB, A::Height},     {P::BarTop, c.picBottomBar, A::Top},
        {P::BarWidth, c.picBottomBar, A::Width},
    };
}

} // namespace editor
