#pragma once

#include <QFont>

namespace platform {

// The windows' design font, Verdana, falling back to a sans face that is
// always installed.
inline QFont verdana(qreal points, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace platform
