#pragma once

#include "core/text/LineLengths.h"
#include "editor/document/TextEncoding.h"

#include <QFile>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include <sys/stat.h>

namespace editor {

struct DocumentProbe {
    TextEncoding encoding = TextEncoding::Utf8;
    LineEnd lineEnd = LineEnd::CrLf;
    bool hasNul = false; // a NUL character in the text: most likely not a text file
};

// Reads a regular file in two passes over one open file: the first learns the
// encoding and the first line end, the second hands the text on as UTF-8 in
// pieces, so a large file never exists as several whole copies in memory. A
// file that another program changes between the passes is reported, never
// shown half old, half new.
class DocumentReader {
public:
    using Sink = std::function<void(std::string_view utf8)>;

    // Bytes the process may still allocate; nothing when unknown.
    using MemoryProbe = std::function<std::optional<std::uint64_t>()>;
    // The editor lays every line out whole, in time and memory that grow with
    // the line: a longer line would stall it for many seconds and take several
    // times the file's size, so such a file is refused.
    static constexpr std::size_t kLongestLine = 16u << 20;
    // The editor counts positions in its text with 32-bit numbers: a larger
    // file is refused from its size alone, before a byte is read.
    static constexpr qint64 kLargestText = 0x7FFFFFFF;
    // A text this large is held without style bytes, which would double it.
    static constexpr qint64 kUnstyledFrom = 32 << 20;

    explicit DocumentReader(const QString& path, MemoryProbe available = {});

    // Reads the bytes as the text itself, however they would otherwise
    // decode: a copy of an editor's own text (a recovery base) comes back
    // byte for byte, pasted bytes that are not UTF-8 and a leading U+FEFF too.
    void keepBytesAsTheyAre() { verbatim_ = true; }

    // False when the file cannot be opened or read, or is too large for the
    // memory left; errorMessage() says why.
    bool probe();
    // Call after a successful probe(). Every byte reaches the sink: a byte-order
    // mark is left out (it is part of the encoding), everything else is kept.
    bool read(const Sink& sink);

    const DocumentProbe& info() const { return info_; }
    // Bytes of the file as the probe found it; the text is as long or longer.
    qint64 fileSize() const { return static_cast<qint64>(opened_.st_size); }

    // After read(): the longest line of the text, in UTF-8 bytes.
    std::size_t longestLine() const { return lines_.longest(); }
    // After read(): the file as read and the digest of its bytes, to tell
    // another program's change later.
    const struct stat& fileStat() const { return opened_; }
    std::uint64_t digest() const { return digest_; }
    const QString& errorMessage() const { return error_; }

private:
    bool fail(const QString& reason);
    // Refuses a text of this many UTF-8 bytes when the editor could not hold it.
    bool fitsInMemory(std::uint64_t decodedBytes);
    bool readPieces(const Sink& sink);
    bool tooLarge(std::uint64_t decodedBytes);

    QString path_;
    MemoryProbe available_;
    QFile file_;
    DocumentProbe info_;
    struct stat opened_ {}; // the file as the probe began, to see changes by others
    core::LineLengths lines_;
    std::uint64_t digest_ = 0;
    QString error_;
    bool verbatim_ = false;
};

} // namespace editor
