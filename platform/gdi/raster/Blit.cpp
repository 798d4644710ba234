#include "platform/gdi/raster/Blit.h"

#include "platform/gdi/objects/DeviceContext.h"
#include "platform/gdi/raster/Transfer.h"

namespace gdi {

namespace {

TransferColors colorsFor(const DeviceContext& dst, const DeviceContext& src) {
    const SystemColors& table = dst.systemColors();
    return {src.bkColor(), table.resolve(dst.bkColor()), table.resolve(dst.textColor())};
}

} // namespace

bool BitBlt(DeviceContext& dst, int x, int y, int width, int height, const DeviceContext& src,
            int srcX, int srcY, RasterOp rop) {
    if (!dst.bitmap() || !src.bitmap() || !isSupportedRasterOp(rop))
        return false;
    if (width > 0 && height > 0)
        transferPixels(*dst.bitmap(), x, y, width, height, *src.bitmap(), srcX, srcY, width, height,
                       rop, colorsFor(dst, src));
    return true;
}

bool StretchBlt(DeviceContext& dst, int x, int y, int width, int height, const DeviceContext& src,
                int srcX, int srcY, int srcWidth, int srcHeight, RasterOp rop) {
    if (!dst.bitmap() || !src.bitmap() || !isSupportedRasterOp(rop))
        return false;
    // We choose: negative sizes (mirroring) are refused; zero sizes draw nothing.
    if (width < 0 || height < 0 || srcWidth < 0 || srcHeight < 0)
        return false;
    if (width > 0 && height > 0 && srcWidth > 0 && srcHeight > 0)
        transferPixels(*dst.bitmap(), x, y, width, height, *src.bitmap(), srcX, srcY, srcWidth,
                       srcHeight, rop, colorsFor(dst, src));
    return true;
}

} // namespace gdi
