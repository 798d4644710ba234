#pragma once

#include "platform/gdi/objects/Bitmap.h"
#include "platform/gdi/objects/Region.h"

#include <QImage>
#include <QRegion>

namespace gdi {

class DeviceContext;

// RGB32 image of the pixels (one-bit: black and white). Empty without a bitmap.
QImage toQImage(const Bitmap& bitmap);
QImage toQImage(const DeviceContext& dc);

// Colour bitmap of the image's pixels; alpha is dropped.
Bitmap bitmapFromQImage(const QImage& image);

QRegion toQRegion(const Region& region);

} // namespace gdi
