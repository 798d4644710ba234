#pragma once

#include <QString>

namespace editor {

// The application title: the settings store's application name, the frame's
// caption and the title of message boxes that give none.
inline const QString kAppTitle = QStringLiteral("Feldt Ostra 1.1");

// 15 twips per pixel at 96 dpi.
constexpr int kTwipsPerPixel = 15;
constexpr int twipsToPixels(int twips) {
    return twips / kTwipsPerPixel;
}

} // namespace editor
