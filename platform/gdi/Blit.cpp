#include "platform/gdi/Blit.h"

#include "platform/gdi/DeviceContext.h"

namespace gdi {

bool BitBlt(DeviceContext&, int, int, int, int, const DeviceContext&, int, int, RasterOp) {
    return false;
}

bool StretchBlt(DeviceContext&, int, int, int, int, const DeviceContext&, int, int, int, int,
                RasterOp) {
    return false;
}

} // namespace gdi
