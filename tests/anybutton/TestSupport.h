#pragma once

#include "anybutton/control/AnyButtonControl.h"
#include "anybutton/properties/SimpleContainer.h"
#include "platform/gdi/objects/Color.h"

#include <QStringList>

#include <ostream>

#include <memory>

// Readable QString values in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace anybutton::test {

// Records what the control asks of its window.
class RecordingSurface : public ButtonSurface {
public:
    int images = 0;
    int regions = 0;
    QStringList sizes;
    double width = 0, height = 0;
    double clientWidth() const override { return width; }
    double clientHeight() const override { return height; }
    void resizeSurface(int w, int h) override {
        sizes << QStringLiteral("%1x%2").arg(w).arg(h);
        width = w;
        height = h;
    }
    void enabledChanged(bool) override {}
    void cursorChanged(std::int16_t, const PictureRef&) override {}
    void regionChanged(const std::optional<gdi::Region>&) override { ++regions; }
    void imageChanged() override { ++images; }
    void accessKeyChanged(QChar) override {}
    std::int32_t windowHandle() const override { return 0x1234; }
};

// A loaded button of the given style and size, running, pinned colours; no
// caption unless the bag gives one, so frame pixels stay uncovered.
struct Fixture {
    SimpleContainer container;
    RecordingSurface surface;
    std::unique_ptr<AnyButtonControl> button;

    explicit Fixture(std::int32_t style = ButtonStyleStandard, int w = 100, int h = 40,
                     PropertyBag bag = {}) {
        bag.set(QStringLiteral("ButtonStyle"), PropertyValue::int32(style));
        if (!bag.contains(QStringLiteral("Caption")))
            bag.set(QStringLiteral("Caption"), PropertyValue::string(QString()));
        button = std::make_unique<AnyButtonControl>(container, &surface);
        surface.width = w;
        surface.height = h;
        button->ReadProperties(bag);
    }
    ButtonState& s() { return button->state(); }
    void refresh() { button->Refresh(); }
    gdi::COLORREF px(int x, int y) const { return button->backImage().bitmap()->pixel(x, y); }
};

inline gdi::COLORREF rgb(int r, int g, int b) {
    return gdi::RGB(r, g, b);
}

// Pinned system colours.
inline const gdi::COLORREF kFace = gdi::RGB(236, 233, 216);
inline const gdi::COLORREF kShadow = gdi::RGB(172, 168, 153);
inline const gdi::COLORREF kHighlight = gdi::RGB(255, 255, 255);
inline const gdi::COLORREF kDarkShadow = gdi::RGB(113, 111, 100);

} // namespace anybutton::test
