#pragma once

#include "anybutton/properties/PropertyBag.h"

#include <QRect>
#include <QString>

#include <optional>
#include <vector>

class QWidget;

namespace anybutton {

class AnyButton;

// One button of a window's saved design: its name ("cmdOK", "Command2(3)"),
// its place in the container in twips, and its property bag.
struct DesignedButton {
    QString name;
    QString arrayName;        // "Command2" of "Command2(3)", else the name
    std::optional<int> index; // 3 of "Command2(3)"
    QRect twips;
    PropertyBag bag;
};

// Reads a saved design: one "[name]" section per button, whose left, top,
// width and height keys place it and whose other keys are its property bag.
// Throws std::invalid_argument naming the line (or, for a place that is no
// 32-bit number, the section) on malformed text.
std::vector<DesignedButton> readSavedDesign(const QString& text);

// The saved design stored at path (a resource). A design that cannot be
// read or parsed gives no buttons: the window then works without them.
std::vector<DesignedButton> readSavedDesignFile(const QString& path);

// Builds a button from its design through the load step, placed in parent.
// Its site (a twips container) belongs to the button. The object name is the
// design name with an array index written "_3". Throws PropertyError when a
// stored value cannot be converted; no button is left behind then.
AnyButton* loadDesignedButton(const DesignedButton& design, QWidget* parent);

} // namespace anybutton
