#pragma once

#include <QFont>
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

    QFont toQFont() const {
        QFont f(name);
        f.setPointSizeF(size > 0 ? size : 8.25);
        f.setBold(bold);
        f.setItalic(italic);
        f.setUnderline(underline);
        f.setStrikeOut(strikethrough);
        return f;
    }
};

} // namespace anybutton
