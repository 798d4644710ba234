#pragma once

#include "platform/gdi/objects/Bitmap.h"
#include "platform/gdi/objects/Icon.h"

#include <memory>

class QImage;

namespace gdi {

// The picture kinds the button knows; only Bitmap and Icon are drawn.
enum class PictureType { None = 0, Bitmap = 1, Metafile = 2, Icon = 3, EnhMetafile = 4 };

// A button picture: a bitmap (colour pixels, no transparency) or an icon (with
// alpha). Copies share the image.
class Picture {
public:
    Picture() = default; // empty: type None
    static Picture fromBitmap(Bitmap bitmap);
    static Picture fromIcon(Icon icon);
    // Bitmap drops the alpha channel (pixels taken as they are); Icon keeps it.
    // A null image gives an empty picture.
    static Picture fromImage(const QImage& image, PictureType type);

    PictureType type() const { return type_; }
    bool isEmpty() const { return type_ == PictureType::None; }
    int width() const;
    int height() const;

    // Shared so it can be selected into a context; null unless type() is Bitmap.
    const std::shared_ptr<Bitmap>& bitmap() const { return bitmap_; }
    // Null unless type() is Icon.
    const std::shared_ptr<const Icon>& icon() const { return icon_; }

private:
    PictureType type_ = PictureType::None;
    std::shared_ptr<Bitmap> bitmap_;
    std::shared_ptr<const Icon> icon_;
};

} // namespace gdi
