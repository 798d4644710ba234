#include "editor/editing/TextOffsets.h"

#include <Qsci/qsciscintillabase.h>

#include <algorithm>

namespace editor {

namespace {

using Sci = QsciScintillaBase;

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

} // namespace

std::size_t utf16Length(std::string_view utf8) {
    // Every lead byte starts one unit; a four-byte character takes two.
    std::size_t units = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        units += static_cast<std::size_t>(!isContinuation(byte)) + (byte >= 0xF0);
    }
    return units;
}

std::size_t utf8Prefix(std::string_view utf8, std::size_t units) {
    std::size_t pos = 0;
    std::size_t counted = 0;
    while (pos < utf8.size() && counted < units) {
        const auto byte = static_cast<unsigned char>(utf8[pos]);
        counted += byte >= 0xF0 ? 2 : 1;
        ++pos;
        while (pos < utf8.size() && isContinuation(static_cast<unsigned char>(utf8[pos])))
            ++pos;
    }
    return pos;
}

void TextOffsets::ensureIndex() const {
    // The index belongs to the document: a fresh one asks for it anew.
    if (!(editor_.SendScintilla(Sci::SCI_GETLINECHARACTERINDEX) & Sci::SC_LINECHARACTERINDEX_UTF16))
        editor_.SendScintilla(Sci::SCI_ALLOCATELINECHARACTERINDEX,
                              static_cast<unsigned long>(Sci::SC_LINECHARACTERINDEX_UTF16));
}

template <typename Part> void TextOffsets::read(long from, long to, Part&& part) const {
    const long gap = editor_.SendScintilla(Sci::SCI_GETGAPPOSITION);
    for (const auto& [start, end] :
         {std::pair{from, std::min(to, gap)}, std::pair{std::max(from, gap), to}}) {
        if (end <= start)
            continue;
        const auto* data = reinterpret_cast<const char*>(editor_.SendScintilla(
            Sci::SCI_GETRANGEPOINTER, static_cast<unsigned long>(start), end - start));
        if (!part(std::string_view(data, static_cast<std::size_t>(end - start))))
            return;
    }
}

long TextOffsets::offset(long position) const {
    ensureIndex();
    const long length = editor_.SendScintilla(Sci::SCI_GETLENGTH);
    position = std::clamp(position, 0L, length);
    const long line =
        editor_.SendScintilla(Sci::SCI_LINEFROMPOSITION, static_cast<unsigned long>(position));
    const long lineStart =
        editor_.SendScintilla(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    long units =
        editor_.SendScintilla(Sci::SCI_INDEXPOSITIONFROMLINE, static_cast<unsigned long>(line),
                              static_cast<long>(Sci::SC_LINECHARACTERINDEX_UTF16));
    read(lineStart, position, [&units](std::string_view piece) {
        units += static_cast<long>(utf16Length(piece));
        return true;
    });
    return units;
}

long TextOffsets::position(long offset) const {
    ensureIndex();
    offset = std::clamp(offset, 0L, length());
    const long line =
        editor_.SendScintilla(Sci::SCI_LINEFROMINDEXPOSITION, static_cast<unsigned long>(offset),
                              static_cast<long>(Sci::SC_LINECHARACTERINDEX_UTF16));
    long position =
        editor_.SendScintilla(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    auto left = static_cast<std::size_t>(
        offset - editor_.SendScintilla(Sci::SCI_INDEXPOSITIONFROMLINE,
                                       static_cast<unsigned long>(line),
                                       static_cast<long>(Sci::SC_LINECHARACTERINDEX_UTF16)));
    const long lineEnd =
        editor_.SendScintilla(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line + 1));
    read(position, lineEnd, [&](std::string_view piece) {
        const std::size_t bytes = utf8Prefix(piece, left);
        position += static_cast<long>(bytes);
        left -= std::min(left, utf16Length(piece.substr(0, bytes)));
        return left > 0;
    });
    return position;
}

long TextOffsets::length() const {
    ensureIndex();
    const long lines = editor_.SendScintilla(Sci::SCI_GETLINECOUNT);
    return editor_.SendScintilla(Sci::SCI_INDEXPOSITIONFROMLINE, static_cast<unsigned long>(lines),
                                 static_cast<long>(Sci::SC_LINECHARACTERINDEX_UTF16));
}

} // namespace editor
