#include "editor/document/DocumentWriter.h"

#include "core/text/Utf8.h"
#include "core/text/Windows1252.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <optional>
#include <string>

namespace editor {

namespace {

constexpr size_t kChunk = 1 << 20;

// Length of the run of ASCII bytes starting at pos: they need no conversion.
size_t asciiRun(std::string_view s, size_t pos) {
    size_t end = pos;
    while (end < s.size() && static_cast<unsigned char>(s[end]) < 0x80)
        ++end;
    return end - pos;
}

bool fitsWindows1252(std::string_view utf8) {
    for (size_t pos = 0; pos < utf8.size();) {
        pos += asciiRun(utf8, pos);
        if (pos == utf8.size())
            break;
        const auto cp = core::decodeUtf8(utf8, pos);
        if (!cp || !core::unicodeToWindows1252(*cp))
            return false;
    }
    return true;
}

QString failure(const QString& path, const QString& reason) {
    return QCoreApplication::translate("DocumentWriter",
                                       "Could not save \u201c%1\u201d: %2. The file on disk "
                                       "was not changed.")
        .arg(path, reason);
}

bool writeWindows1252(QSaveFile& file, std::string_view utf8) {
    std::string out;
    out.reserve(kChunk + 64);
    for (size_t pos = 0; pos < utf8.size();) {
        const size_t run = std::min(asciiRun(utf8, pos), kChunk);
        out.append(utf8.substr(pos, run));
        pos += run;
        if (pos < utf8.size() && static_cast<unsigned char>(utf8[pos]) >= 0x80)
            out += static_cast<char>(*core::unicodeToWindows1252(*core::decodeUtf8(utf8, pos)));
        if (out.size() >= kChunk || pos == utf8.size()) {
            if (file.write(out.data(), static_cast<qint64>(out.size())) !=
                static_cast<qint64>(out.size()))
                return false;
            out.clear();
        }
    }
    return true;
}

bool writeBytes(QSaveFile& file, std::string_view bytes) {
    for (size_t pos = 0; pos < bytes.size(); pos += kChunk) {
        const auto piece = bytes.substr(pos, kChunk);
        if (file.write(piece.data(), static_cast<qint64>(piece.size())) !=
            static_cast<qint64>(piece.size()))
            return false;
    }
    return true;
}

} // namespace

WriteResult writeDocument(const QString& path, std::string_view utf8, TextEncoding encoding) {
    WriteResult result;
    if (QFileInfo(path).isDir()) {
        result.errorMessage = failure(
            path, QCoreApplication::translate("DocumentWriter", "it is a folder, not a file"));
        return result;
    }
    if (encoding == TextEncoding::Windows1252 && !fitsWindows1252(utf8))
        encoding = TextEncoding::Utf8;

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        result.errorMessage = failure(path, file.errorString());
        return result;
    }
    bool written = true;
    if (encoding == TextEncoding::Utf8WithBom)
        written = file.write("\xEF\xBB\xBF", 3) == 3;
    if (written) {
        written = encoding == TextEncoding::Windows1252 ? writeWindows1252(file, utf8)
                                                        : writeBytes(file, utf8);
    }
    if (!written) {
        const QString reason = file.errorString();
        file.cancelWriting();
        file.commit();
        result.errorMessage = failure(path, reason);
        return result;
    }
    if (!file.commit()) {
        result.errorMessage = failure(path, file.errorString());
        return result;
    }
    result.ok = true;
    result.encoding = encoding;
    return result;
}

} // namespace editor
