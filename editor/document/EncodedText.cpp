#include "editor/document/EncodedText.h"

#include "core/text/Utf8.h"
#include "core/text/Windows1252.h"

#include <algorithm>
#include <string>

namespace editor {

namespace {

constexpr size_t kChunk = 1 << 20;
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

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

bool writeWindows1252(std::string_view utf8, const PieceSink& out) {
    std::string piece;
    piece.reserve(kChunk + 64);
    for (size_t pos = 0; pos < utf8.size();) {
        const size_t run = std::min(asciiRun(utf8, pos), kChunk);
        piece.append(utf8.substr(pos, run));
        pos += run;
        if (pos < utf8.size() && static_cast<unsigned char>(utf8[pos]) >= 0x80)
            piece += static_cast<char>(*core::unicodeToWindows1252(*core::decodeUtf8(utf8, pos)));
        if (piece.size() >= kChunk || pos == utf8.size()) {
            if (!out(piece))
                return false;
            piece.clear();
        }
    }
    return true;
}

bool writeWide(std::string_view utf8, core::WideForm form, const PieceSink& out) {
    if (!out(core::byteOrderMark(form)))
        return false;
    std::string piece;
    for (size_t pos = 0; pos < utf8.size();) {
        // Cut before a lead byte, so that no character is split.
        size_t end = std::min(pos + kChunk, utf8.size());
        while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80)
            ++end;
        piece.clear();
        if (!core::encodeWide(utf8.substr(pos, end - pos), form, piece) || !out(piece))
            return false;
        pos = end;
    }
    return true;
}

} // namespace

TextEncoding writableEncoding(std::string_view utf8, TextEncoding encoding) {
    if (encoding == TextEncoding::Windows1252 && !fitsWindows1252(utf8))
        return TextEncoding::Utf8;
    if (wideForm(encoding)) {
        // Only valid UTF-8 has a wide form; pasted bytes may not be.
        core::Utf8Validator valid;
        valid.feed(utf8);
        if (!valid.finish())
            return TextEncoding::Utf8;
    }
    return encoding;
}

bool encodeInPieces(std::string_view utf8, TextEncoding encoding, const PieceSink& out) {
    if (const auto form = wideForm(encoding))
        return writeWide(utf8, *form, out);
    if (encoding == TextEncoding::Windows1252)
        return writeWindows1252(utf8, out);
    if (encoding == TextEncoding::Utf8WithBom && !out(kUtf8Mark))
        return false;
    for (size_t pos = 0; pos < utf8.size(); pos += kChunk) {
        if (!out(utf8.substr(pos, kChunk)))
            return false;
    }
    return true;
}

} // namespace editor
