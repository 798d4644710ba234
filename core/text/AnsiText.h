#pragma once

#include <QString>

#include <string>

namespace core {

// The caption as the text calls take it: Windows-1252 bytes. The five bytes
// that code page leaves undefined come from the C1 characters of the same
// value; any other character it cannot hold becomes "?".
std::string toAnsi(const QString& text);

// One character in Windows-1252, "?" (63) when it has no byte there.
unsigned char toAnsiByte(QChar c);

} // namespace core
