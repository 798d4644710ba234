#pragma once

#include <QByteArray>
#include <QString>

#include <string_view>

namespace core {

// File names on Linux are bytes, not text. A name that is not valid UTF-8
// still has to reach the file system unchanged, so each byte of a malformed
// sequence is carried in the QString as the lone surrogate U+DC00 + byte (no
// valid text holds one) and turned back into that byte on the way out.
// Invariant: pathBytes(pathFromBytes(b)) == b for every b.
QString pathFromBytes(std::string_view bytes);
QByteArray pathBytes(const QString& path);

} // namespace core
