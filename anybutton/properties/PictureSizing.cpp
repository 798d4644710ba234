#include "anybutton/properties/PictureSizing.h"

namespace anybutton {

void recordNaturalPictureSize(ButtonState& s, const PictureRef& picture, int dpiX, int dpiY) {
    if (picture.isNull()) {
        s.g_OriginalPicSizeW = s.g_OriginalPicSizeH = 32;
        return;
    }
    s.g_OriginalPicSizeW = PictureRef::himetricToPixels(picture.himetricWidth(), dpiX);
    s.g_OriginalPicSizeH = PictureRef::himetricToPixels(picture.himetricHeight(), dpiY);
}

void applyPictureSize(ButtonState& s) {
    switch (s.g_PictureSize) {
    case PictureSize16:
        s.g_PictureWidth = s.g_PictureHeight = 16;
        break;
    case PictureSize32:
        s.g_PictureWidth = s.g_PictureHeight = 32;
        break;
    case PictureSizeNatural:
        if (s.g_CurrentPicture.isNull()) {
            s.g_PictureWidth = s.g_PictureHeight = 32;
        } else {
            s.g_PictureWidth = s.g_OriginalPicSizeW;
            s.g_PictureHeight = s.g_OriginalPicSizeH;
        }
        break;
    default:
        break;
    }
}

} // namespace anybutton
