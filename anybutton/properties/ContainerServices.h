#pragma once

#include "anybutton/properties/FontDesc.h"
#include "anybutton/properties/PictureRef.h"

#include <QString>

namespace anybutton {

// What the window holding a button supplies to it: the button's site in that
// window, one per button (the display name and the Default flag are the
// button's own). The holding window (or a test) implements it, or uses
// SimpleContainer; the button never looks at its parent directly.
class ContainerServices {
public:
    virtual ~ContainerServices() = default;

    virtual QString ambientDisplayName() const = 0;
    virtual FontDesc ambientFont() const = 0;
    // True when running, false in design mode.
    virtual bool userMode() const = 0;

    // The extender: position in the container's scale units, and whether this
    // button is the container's default button.
    virtual double extenderLeft() const = 0;
    virtual double extenderTop() const = 0;
    virtual bool extenderDefault() const = 0;

    // The container's background picture (null when it has none), drawn unscaled
    // from its top-left corner, and how many of its scale units make one pixel
    // (15 for twips): a position divided by it is in pixels.
    virtual PictureRef containerPicture() const = 0;
    virtual double containerUnitsPerPixel() const = 0;

    // Screen resolution for HIMETRIC conversions.
    virtual int screenDpiX() const = 0;
    virtual int screenDpiY() const = 0;

    // Called by every setter with the property's name, before any repaint.
    virtual void propertyChanged(const QString& name) = 0;
};

} // namespace anybutton
