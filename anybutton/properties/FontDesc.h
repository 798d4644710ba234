#pragma once

#include "platform/gdi/objects/Font.h"

#include <QString>

namespace anybutton {

// The attributes a button font carries, as a value. The surface font, the ambient
// font and the bag's "Font" value are all of this type.
struct FontDesc {
    QString name = QStringLiteral("MS Sans Serif");
    double size = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;

    bool operator==(const FontDesc& o) const {
        return name == o.name && size == o.size && bold == o.bold && italic == o.italic &&
               underline == o.underline && strikethrough == o.strikethrough;
    }
    bool operator!=(const FontDesc& o) const { return !(*this == o); }

    // The raster layer's font for these attributes; a size that is not
    // positive falls back to the default size.
    gdi::Font toGdiFont() const {
        gdi::Font f;
        f.family = name;
        f.size = size > 0 ? size : 8.25;
        f.bold = bold;
        f.italic = italic;
        f.underline = underline;
        f.strikeout = strikethrough;
        return f;
    }
};

} // namespace anybutton
