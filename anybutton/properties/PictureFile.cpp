#include "anybutton/properties/PictureFile.h"

#include <QImageReader>

namespace anybutton {

std::optional<PictureRef> LoadPicture(const QString& file) {
    QImageReader reader(file);
    const bool icon = reader.format() == "ico" || reader.format() == "cur";
    const QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    return PictureRef::fromImage(image, icon ? PictureRef::Type::Icon : PictureRef::Type::Bitmap);
}

} // namespace anybutton
