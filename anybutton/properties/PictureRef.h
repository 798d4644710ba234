#pragma once

#include "platform/gdi/objects/Picture.h"

#include <QImage>

#include <memory>

namespace anybutton {

// A picture reference: null, an empty picture object, or an image with its size
// in HIMETRIC units (hundredths of a millimetre). Copies share the image data
// and its drawable form. Files load through LoadPicture (PictureFile.h).
class PictureRef {
public:
    enum class Kind { Null, Empty, Image, HandCursor };
    enum class Type { None = 0, Bitmap = 1, Icon = 3 };

    PictureRef() = default; // null
    static PictureRef empty();
    // The hand-shaped pointer shown over a button; the platform's pointing-hand
    // cursor stands in for its image.
    static PictureRef handCursor();
    // himetric sizes default to the image's size at 96 dpi.
    static PictureRef fromImage(const QImage& image, Type type = Type::Bitmap,
                                int himetricWidth = -1, int himetricHeight = -1);

    bool isNull() const { return kind_ == Kind::Null; }
    bool isEmpty() const { return kind_ == Kind::Empty; }
    bool isHandCursor() const { return kind_ == Kind::HandCursor; }
    Kind kind() const { return kind_; }
    Type type() const { return type_; }
    const QImage& image() const { return image_; }
    int himetricWidth() const { return himW_; }
    int himetricHeight() const { return himH_; }
    // What the painters draw: the bitmap or icon in raster form; empty for
    // other types and pictures without an image.
    const gdi::Picture& drawable() const;

    // Pixels at the given resolution, rounded to the nearest, halves to even.
    static int himetricToPixels(int himetric, int dpi);

    bool operator==(const PictureRef& o) const;
    bool operator!=(const PictureRef& o) const { return !(*this == o); }

private:
    Kind kind_ = Kind::Null;
    Type type_ = Type::None;
    QImage image_;
    int himW_ = 0;
    int himH_ = 0;
    std::shared_ptr<const gdi::Picture> drawable_;
};

} // namespace anybutton
