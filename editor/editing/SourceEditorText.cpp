// The source editor as the document's text: its bytes read where they lie
// in the editor's buffer, and edits made as the editor's own.
#include "editor/editing/SourceEditor.h"

namespace editor {

void SourceEditor::replaceText(std::string_view utf8) {
    // SCI_SETTEXT stops at a NUL byte; clearing and appending keeps every byte.
    SendScintilla(SCI_BEGINUNDOACTION);
    SendScintilla(SCI_CLEARALL);
    SendScintilla(SCI_APPENDTEXT, static_cast<unsigned long>(utf8.size()), nonNull(utf8));
    SendScintilla(SCI_ENDUNDOACTION);
}

std::string_view SourceEditor::textBytes() {
    const auto length = static_cast<size_t>(SendScintilla(SCI_GETLENGTH));
    const auto* data = static_cast<const char*>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
    return {data, length};
}

std::string SourceEditor::textCopy() {
    std::string copy;
    copy.reserve(length());
    forEachPiece([&](std::string_view piece) {
        copy.append(piece);
        return true;
    });
    return copy;
}

std::size_t SourceEditor::length() {
    return static_cast<std::size_t>(SendScintilla(SCI_GETLENGTH));
}

std::string_view SourceEditor::bytesAt(std::size_t position, std::size_t count) {
    if (count == 0)
        return {};
    const auto* data = reinterpret_cast<const char*>(SendScintilla(
        SCI_GETRANGEPOINTER, static_cast<unsigned long>(position), static_cast<long>(count)));
    return data ? std::string_view(data, count) : std::string_view();
}

void SourceEditor::forEachPiece(const std::function<bool(std::string_view)>& sink) {
    // Either side of the editor's gap: taking them moves nothing, where a
    // whole-text pointer would move half the text to close the gap (and
    // back at the next key).
    const long size = SendScintilla(SCI_GETLENGTH);
    const long gap = SendScintilla(SCI_GETGAPPOSITION);
    for (const auto& [start, end] : {std::pair{0L, gap}, std::pair{gap, size}}) {
        if (end > start &&
            !sink(bytesAt(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start))))
            return;
    }
}

void SourceEditor::insertBytes(std::size_t position, std::string_view bytes) {
    const auto at = static_cast<long>(position);
    replaceRange(at, at, bytes); // SCI_INSERTTEXT would stop at a NUL byte
}

void SourceEditor::deleteBytes(std::size_t position, std::size_t count) {
    SendScintilla(SCI_DELETERANGE, static_cast<unsigned long>(position), static_cast<long>(count));
}

std::string_view SourceEditor::selectedBytes() {
    const long start = SendScintilla(SCI_GETSELECTIONSTART);
    const long end = SendScintilla(SCI_GETSELECTIONEND);
    if (end <= start)
        return {};
    const auto* data = static_cast<const char*>(reinterpret_cast<void*>(
        SendScintilla(SCI_GETRANGEPOINTER, static_cast<unsigned long>(start), end - start)));
    return {data, static_cast<size_t>(end - start)};
}

void SourceEditor::replaceSelection(std::string_view utf8) {
    const long start = SendScintilla(SCI_GETSELECTIONSTART);
    replaceRange(start, SendScintilla(SCI_GETSELECTIONEND), utf8);
    SendScintilla(SCI_GOTOPOS, static_cast<unsigned long>(start + static_cast<long>(utf8.size())));
}

void SourceEditor::replaceRange(long start, long end, std::string_view utf8) {
    SendScintilla(SCI_SETTARGETRANGE, static_cast<unsigned long>(start), end);
    // SCI_REPLACESEL stops at a NUL byte; a target replacement takes a length.
    SendScintilla(SCI_REPLACETARGET, static_cast<unsigned long>(utf8.size()), nonNull(utf8));
    if (longLines_.lineIsLong(start))
        longLines_.segment(start, start + static_cast<long>(utf8.size()));
}

// Character offsets, as the window's commands count them.
int SourceEditor::charPosition(long bytePosition) {
    return static_cast<int>(SendScintilla(SCI_COUNTCHARACTERS, 0UL, bytePosition));
}

long SourceEditor::bytePosition(int charPosition) {
    return SendScintilla(SCI_POSITIONRELATIVE, 0UL, static_cast<long>(charPosition));
}

int SourceEditor::selStart() {
    return charPosition(SendScintilla(SCI_GETSELECTIONSTART));
}

int SourceEditor::selLength() {
    const long start = SendScintilla(SCI_GETSELECTIONSTART);
    const long end = SendScintilla(SCI_GETSELECTIONEND);
    return static_cast<int>(
        SendScintilla(SCI_COUNTCHARACTERS, static_cast<unsigned long>(start), end));
}

void SourceEditor::setSelection(int startChar, int lengthChars) {
    const long start = bytePosition(startChar);
    long end = SendScintilla(SCI_POSITIONRELATIVE, static_cast<unsigned long>(start),
                             static_cast<long>(lengthChars));
    if (end == 0 && lengthChars > 0)
        end = SendScintilla(SCI_GETLENGTH); // past the end: up to the end
    SendScintilla(SCI_SETSEL, static_cast<unsigned long>(start), end);
}

int SourceEditor::textLength() {
    return charPosition(SendScintilla(SCI_GETLENGTH));
}

} // namespace editor
