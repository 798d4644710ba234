#pragma once

#include <cstddef>
#include <string_view>

class QsciScintillaBase;

namespace editor {

// Lengths of UTF-8 text in UTF-16 units, the offsets assistive technology and
// Qt count in. The text is valid UTF-8 (every file is decoded into it).
std::size_t utf16Length(std::string_view utf8);
// The bytes at the start of `utf8` that hold `units` UTF-16 units; a unit
// count that ends inside a character takes the whole character.
std::size_t utf8Prefix(std::string_view utf8, std::size_t units);

// Converts between the editor's byte positions and UTF-16 offsets of its text
// without counting from the start: the component keeps the offset of every
// line start (allocated on first use, kept up to date by each edit), and only
// the caret's own line is counted.
class TextOffsets {
public:
    explicit TextOffsets(QsciScintillaBase& editor) : editor_(editor) {}

    long offset(long position) const;
    long position(long offset) const;
    long length() const; // in UTF-16 units

private:
    void ensureIndex() const;
    // The bytes [from, to), read around the editor's gap so that reading
    // never moves it; `part` sees them in at most two pieces.
    template <typename Part> void read(long from, long to, Part&& part) const;

    QsciScintillaBase& editor_;
};

} // namespace editor
