#pragma once

#include <QString>

namespace core {

// The application title: the settings store's application name, the frame's
// caption and the title of message boxes that give none.
inline const QString kAppTitle = QStringLiteral("Feldt Ostra 1.1");
inline const QString kAppVersion = QStringLiteral("1.1.0");

} // namespace core
