#pragma once

#include "anybutton/properties/PictureRef.h"

#include <QImage>

namespace demo {

// Pictures drawn in code, so the demo needs no files. Bitmaps are drawn on
// black, the default MaskColor, which keys the background out.
anybutton::PictureRef folderBitmap();
anybutton::PictureRef diskBitmap();
anybutton::PictureRef starBitmap(); // the hover picture of the star buttons
anybutton::PictureRef mailIcon();   // an icon with its own transparency

// The window's background picture, which transparent buttons show through.
QImage backgroundImage(int width, int height);

} // namespace demo
