#include "core/text/AnsiText.h"

#include "core/text/Windows1252.h"

namespace core {

unsigned char toAnsiByte(QChar c) {
    return unicodeToWindows1252(c.unicode()).value_or('?');
}

std::string toAnsi(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text)
        out.push_back(static_cast<char>(toAnsiByte(c)));
    return out;
}

} // namespace core
