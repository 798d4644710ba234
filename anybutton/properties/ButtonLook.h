#pragma once

#include "anybutton/properties/ButtonState.h"

#include <QString>

#include <optional>

namespace anybutton {

// The ways a button can look at rest, for tools that draw one without a mouse.
enum class ButtonLook { Normal, Hover, Pressed, Armed, Disabled };

// Puts the button's interaction flags in the look: hover is over, pressed is
// over and down, armed is down with the mouse away. Over the button the hover
// picture shows when there is one. Disabled has the flags of normal and clears
// the surface's enabled state; the other looks leave that state as it is.
void applyLook(ButtonState& s, ButtonLook look);

// "normal", "hover", "pressed", "armed", "disabled".
QString lookName(ButtonLook look);
std::optional<ButtonLook> lookFromName(const QString& name);

} // namespace anybutton
