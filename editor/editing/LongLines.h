#pragma once

#include <cstddef>

class QsciScintilla;

namespace editor {

// How the source editor keeps lines longer than kLongLine quick: laid out in
// remembered pieces (see LineSegmenter), without colouring, with a caret
// that does not blink while it is in one.
class LongLines {
public:
    static constexpr std::size_t kLongLine = 8192;

    explicit LongLines(QsciScintilla& editor);

    // After a load: whether the text holds a long line, and its pieces cut.
    void prepare(std::size_t longestLine);
    bool present() const { return present_; }
    void forget() { present_ = false; }
    // Cuts [from, to) of a long line into pieces again after an edit there.
    void segment(long from, long to);
    bool lineIsLong(long position) const;
    // A steady caret in a long line, a blinking one elsewhere.
    void followCaret();

private:
    QsciScintilla& editor_;
    bool present_ = false;
    unsigned long blinkPeriod_ = 0;
    bool blinking_ = true;
};

} // namespace editor
