#include "core/text/PathBytes.h"

#include "core/text/Utf8.h"

namespace core {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

bool isEscapedByte(char16_t unit) {
    return unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF;
}

} // namespace

QString pathFromBytes(std::string_view bytes) {
    QString path;
    path.reserve(static_cast<qsizetype>(bytes.size()));
    for (size_t pos = 0; pos < bytes.size();) {
        const auto byte = static_cast<unsigned char>(bytes[pos]);
        if (byte < 0x80) {
            path += QChar(byte);
            ++pos;
        } else if (const auto cp = decodeUtf8(bytes, pos)) {
            const char32_t c = *cp;
            path += QString::fromUcs4(&c, 1);
        } else {
            path += QChar(static_cast<char16_t>(kEscapeBase + byte));
            ++pos;
        }
    }
    return path;
}

QByteArray pathBytes(const QString& path) {
    QByteArray bytes;
    bytes.reserve(path.size());
    qsizetype runStart = 0;
    const auto flushRun = [&](qsizetype end) {
        bytes += QStringView(path).mid(runStart, end - runStart).toUtf8();
    };
    for (qsizetype i = 0; i < path.size(); ++i) {
        const char16_t unit = path[i].unicode();
        // A low surrogate after a high one is half of a real character.
        const bool paired = i > 0 && path[i - 1].isHighSurrogate();
        if (isEscapedByte(unit) && !paired) {
            flushRun(i);
            bytes += static_cast<char>(unit - kEscapeBase);
            runStart = i + 1;
        }
    }
    flushRun(path.size());
    return bytes;
}

} // namespace core
