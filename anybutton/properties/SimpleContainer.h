#pragma once

#include "anybutton/properties/ContainerServices.h"

#include <QStringList>

#include <functional>

namespace anybutton {

// A container with plain settable values: what a run-time window needs for its
// buttons, and what tests and the render tool use. Pixels are its scale unit.
class SimpleContainer : public ContainerServices {
public:
    QString displayName = QStringLiteral("AnyButton1");
    FontDesc font;
    bool running = true;
    double left = 0;
    double top = 0;
    bool isDefault = false;
    PictureRef picture;
    double unitsPerPixel = 1.0;
    int dpiX = 96;
    int dpiY = 96;
    // Every notification in order; handy for tests and the design-time dirty mark.
    QStringList notifications;
    std::function<void(const QString&)> onPropertyChanged;

    QString ambientDisplayName() const override { return displayName; }
    FontDesc ambientFont() const override { return font; }
    bool userMode() const override { return running; }
    double extenderLeft() const override { return left; }
    double extenderTop() const override { return top; }
    bool extenderDefault() const override { return isDefault; }
    PictureRef containerPicture() const override { return picture; }
    double containerUnitsPerPixel() const override { return unitsPerPixel; }
    int screenDpiX() const override { return dpiX; }
    int screenDpiY() const override { return dpiY; }
    void propertyChanged(const QString& name) override {
        notifications << name;
        if (onPropertyChanged)
            onPropertyChanged(name);
    }
};

} // namespace anybutton
