#pragma once

#include "anybutton/properties/ButtonState.h"
#include "anybutton/properties/ContainerServices.h"
#include "platform/gdi/objects/DeviceContext.h"

namespace anybutton {

// What every painter works on: the button's state, the device context of its
// back image (sized to the client area) and the container it asks for
// UserMode and Default.
struct PaintContext {
    ButtonState& state;
    gdi::DeviceContext& dc;
    const ContainerServices& container;
};

} // namespace anybutton
