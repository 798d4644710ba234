#pragma once

#include "anybutton/properties/PictureRef.h"

#include <QString>

#include <optional>

namespace anybutton {

// Loads a picture file: a .ico file becomes an icon (type 3) with its own
// transparency, any other image Qt reads (BMP first of all) a bitmap (type 1).
// The size in HIMETRIC is the pixel size at 96 dpi. nullopt when the file is
// missing or not an image.
std::optional<PictureRef> LoadPicture(const QString& file);

} // namespace anybutton
