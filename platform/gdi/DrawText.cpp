#include "platform/gdi/DrawText.h"

#include "platform/gdi/DeviceContext.h"

namespace gdi {

int DrawTextExA(DeviceContext&, std::string_view, Rect&, unsigned, DrawTextParams*) {
    return 0;
}

} // namespace gdi
