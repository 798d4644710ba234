#pragma once

#include "platform/gdi/objects/Bitmap.h"
#include "platform/gdi/objects/Color.h"
#include "platform/gdi/raster/Blit.h"

namespace gdi {

// The colours a block transfer converts formats with: the source side's
// background colour as given (compared raw), the destination side's background
// and text colours already as pixels of a colour bitmap.
struct TransferColors {
    COLORREF sourceBk = kWhite;
    COLORREF destBk = kWhite;
    COLORREF destText = kBlack;
};

bool isSupportedRasterOp(RasterOp rop);

// The pixel work behind BitBlt and StretchBlt, on bare bitmaps. src and dst may
// be the same bitmap. Sizes must be positive and rop supported.
void transferPixels(Bitmap& dst, int x, int y, int width, int height, const Bitmap& src, int srcX,
                    int srcY, int srcWidth, int srcHeight, RasterOp rop,
                    const TransferColors& colors);

} // namespace gdi
