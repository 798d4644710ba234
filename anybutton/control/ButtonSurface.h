#pragma once

#include "anybutton/properties/PictureRef.h"
#include "platform/gdi/objects/Region.h"

#include <QChar>

#include <cstdint>
#include <optional>

namespace anybutton {

// The window a button draws on, as the control sees it. The widget implements
// it; without one the control runs offscreen (tests, the render tool).
class ButtonSurface {
public:
    virtual ~ButtonSurface() = default;

    // The client size in pixels, and a request to change it.
    virtual double clientWidth() const = 0;
    virtual double clientHeight() const = 0;
    virtual void resizeSurface(int width, int height) = 0;
    virtual void enabledChanged(bool enabled) = 0;
    virtual void cursorChanged(std::int16_t pointer, const PictureRef& icon) = 0;
    // The window's region; nullopt gives the window its whole rectangle back.
    virtual void regionChanged(const std::optional<gdi::Region>& region) = 0;
    virtual void imageChanged() = 0;
    virtual void accessKeyChanged(QChar key) = 0;
    virtual std::int32_t windowHandle() const = 0;
};

} // namespace anybutton
