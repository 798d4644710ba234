#include "editor/document/DocumentReader.h"

#include "core/text/Utf8.h"
#include "core/text/Windows1252.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <optional>
#include <string>

namespace editor {

namespace {

constexpr qint64 kChunk = 1 << 20;
constexpr std::string_view kBom = "\xEF\xBB\xBF";

} // namespace

DocumentReader::DocumentReader(const QString& path) : path_(path), file_(path) {}

bool DocumentReader::fail(const QString& reason) {
    error_ = QCoreApplication::translate("DocumentReader", "Could not open \u201c%1\u201d: %2.")
                 .arg(path_, reason);
    return false;
}

bool DocumentReader::probe() {
    const QFileInfo fi(path_);
    if (!fi.exists())
        return fail(QCoreApplication::translate("DocumentReader", "the file does not exist"));
    if (fi.isDir())
        return fail(QCoreApplication::translate("DocumentReader", "it is a folder, not a file"));
    if (!file_.open(QIODevice::ReadOnly))
        return fail(file_.errorString());

    core::Utf8Validator utf8;
    std::optional<LineEnd> lineEnd;
    bool lastWasCr = false;
    bool first = true;
    QByteArray chunk;
    while (!(chunk = file_.read(kChunk)).isEmpty()) {
        const std::string_view bytes(chunk.constData(), static_cast<size_t>(chunk.size()));
        if (first && bytes.substr(0, kBom.size()) == kBom)
            info_.encoding = TextEncoding::Utf8WithBom;
        first = false;
        utf8.feed(bytes);
        if (!info_.hasNul && bytes.find('\0') != std::string_view::npos)
            info_.hasNul = true;
        for (size_t i = 0; !lineEnd && i < bytes.size(); ++i) {
            if (lastWasCr) {
                lineEnd = bytes[i] == '\n' ? LineEnd::CrLf : LineEnd::Cr;
            } else if (bytes[i] == '\n') {
                lineEnd = LineEnd::Lf;
            }
            lastWasCr = bytes[i] == '\r';
        }
    }
    if (file_.error() != QFileDevice::NoError)
        return fail(file_.errorString());
    if (!lineEnd && lastWasCr)
        lineEnd = LineEnd::Cr;
    info_.lineEnd = lineEnd.value_or(LineEnd::CrLf);
    if (!utf8.finish())
        info_.encoding = TextEncoding::Windows1252;
    return true;
}

bool DocumentReader::read(const Sink& sink) {
    if (!file_.isOpen() || !file_.seek(0))
        return fail(file_.errorString());
    bool first = true;
    std::string converted;
    QByteArray chunk;
    while (!(chunk = file_.read(kChunk)).isEmpty()) {
        std::string_view bytes(chunk.constData(), static_cast<size_t>(chunk.size()));
        if (first && info_.encoding == TextEncoding::Utf8WithBom)
            bytes.remove_prefix(kBom.size());
        first = false;
        if (info_.encoding == TextEncoding::Windows1252) {
            converted.clear();
            converted.reserve(bytes.size() * 3);
            for (const char c : bytes)
                core::appendUtf8(converted,
                                 core::windows1252ToUnicode(static_cast<std::uint8_t>(c)));
            sink(converted);
        } else {
            sink(bytes);
        }
    }
    if (file_.error() != QFileDevice::NoError)
        return fail(file_.errorString());
    file_.close();
    return true;
}

} // namespace editor
