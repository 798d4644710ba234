#include "editor/document/DocumentReader.h"

#include "core/text/PathBytes.h"
#include "core/text/Utf8.h"
#include "core/text/WideUnicode.h"
#include "core/text/Windows1252.h"
#include "platform/files/ContentDigest.h"
#include "platform/system/AvailableMemory.h"

#include <QCoreApplication>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>
#include <optional>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace editor {

namespace {

constexpr qint64 kChunk = 1 << 20;
constexpr std::string_view kBom = "\xEF\xBB\xBF";

QString tr(const char* text) {
    return QCoreApplication::translate("DocumentReader", text);
}

// What changes when anything writes to an open file.
bool sameVersion(const struct stat& a, const struct stat& b) {
    return a.st_size == b.st_size && a.st_mtim.tv_sec == b.st_mtim.tv_sec &&
           a.st_mtim.tv_nsec == b.st_mtim.tv_nsec && a.st_ctim.tv_sec == b.st_ctim.tv_sec &&
           a.st_ctim.tv_nsec == b.st_ctim.tv_nsec;
}

} // namespace

DocumentReader::DocumentReader(const QString& path, MemoryProbe available)
    : path_(path), available_(available ? std::move(available) : platform::availableMemory) {}

bool DocumentReader::fail(const QString& reason) {
    error_ = tr("Could not open \u201c%1\u201d: %2.").arg(path_, reason);
    return false;
}

bool DocumentReader::tooLarge(std::uint64_t decodedBytes) {
    if (decodedBytes <= static_cast<std::uint64_t>(kLargestText))
        return false;
    fail(tr("it is %1 MB, and the editor holds files of up to %2 MB")
             .arg(decodedBytes >> 20)
             .arg(kLargestText >> 20));
    return true;
}

bool DocumentReader::fitsInMemory(std::uint64_t decodedBytes) {
    // The editor keeps the text and, below kUnstyledFrom, a style byte beside
    // each byte; the first keys grow either buffer by up to a third through a
    // second copy. Then a line index, the pieces being read and a little more
    // for the program around it.
    constexpr std::uint64_t kMiB = 1 << 20;
    const std::uint64_t styles =
        decodedBytes < static_cast<std::uint64_t>(kUnstyledFrom) ? decodedBytes : 0;
    const std::uint64_t needed =
        decodedBytes + styles + decodedBytes * 4 / 3 + decodedBytes / 8 + 32 * kMiB;
    const auto free = available_();
    if (!free || needed <= *free)
        return true;
    return fail(tr("it needs about %1 MB of memory to edit, and this computer has %2 MB free")
                    .arg(needed / kMiB)
                    .arg(*free / kMiB));
}

namespace {

// What the probe learns from the text: its first line end and whether it
// holds a NUL, fed in pieces.
struct TextScan {
    std::optional<LineEnd> lineEnd;
    bool lastWasCr = false;
    bool hasNul = false;

    void feed(std::string_view text) {
        if (!hasNul && text.find('\0') != std::string_view::npos)
            hasNul = true;
        for (size_t i = 0; !lineEnd && i < text.size(); ++i) {
            if (lastWasCr)
                lineEnd = text[i] == '\n' ? LineEnd::CrLf : LineEnd::Cr;
            else if (text[i] == '\n')
                lineEnd = LineEnd::Lf;
            lastWasCr = text[i] == '\r';
        }
    }
    LineEnd finish() const { return lineEnd.value_or(lastWasCr ? LineEnd::Cr : LineEnd::CrLf); }
};

} // namespace

bool DocumentReader::probe() {
    const QByteArray name = core::pathBytes(path_);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0)
        return fail(errno == ENOENT ? tr("the file does not exist")
                                    : QString::fromLocal8Bit(std::strerror(errno)));
    if (S_ISDIR(st.st_mode))
        return fail(tr("it is a folder, not a file"));
    // Opened without blocking: a named pipe would wait for a writer forever,
    // and a device like /dev/zero never ends. Only regular files are read.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    if (::fstat(fd, &opened_) != 0 || !S_ISREG(opened_.st_mode)) {
        ::close(fd);
        return fail(tr("it is not a regular file (a device, a pipe or a socket)"));
    }
    // Before the file is read: the text is at least as long as the file, or
    // a half of it in UTF-16 and a quarter in UTF-32.
    const auto size = static_cast<std::uint64_t>(opened_.st_size);
    char start[4] = {};
    const ssize_t got = ::pread(fd, start, sizeof start, 0);
    const auto form = core::wideFormOfMark(std::string_view(start, got > 0 ? size_t(got) : 0));
    const std::uint64_t least = !form ? size
                                : form == core::WideForm::Utf16Le || form == core::WideForm::Utf16Be
                                    ? size / 2
                                    : size / 4;
    if (tooLarge(least) || !fitsInMemory(least)) {
        ::close(fd);
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file_.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(file_.errorString());
    }

    core::Utf8Validator utf8;
    TextScan bytesScan;
    TextScan wideScan;
    std::optional<core::WideDecoder> wide;
    std::string decoded;
    bool first = true;
    std::uint64_t highBytes = 0; // each becomes two or three bytes as Windows-1252
    QByteArray chunk;
    while (!(chunk = file_.read(kChunk)).isEmpty()) {
        std::string_view bytes(chunk.constData(), static_cast<size_t>(chunk.size()));
        // A copy of an editor's own text is its bytes, whatever they start with.
        if (first && !verbatim_) {
            if (bytes.substr(0, kBom.size()) == kBom)
                info_.encoding = TextEncoding::Utf8WithBom;
            if (const auto form = core::wideFormOfMark(bytes))
                wide.emplace(*form);
        }
        if (wide) {
            decoded.clear();
            std::string_view units = bytes;
            if (first)
                units.remove_prefix(core::byteOrderMark(wide->form()).size());
            if (wide->feed(units, &decoded))
                wideScan.feed(decoded);
            else
                wide.reset();
        }
        first = false;
        utf8.feed(bytes);
        highBytes +=
            static_cast<std::uint64_t>(std::count_if(bytes.begin(), bytes.end(), [](char c) {
                return static_cast<unsigned char>(c) >= 0x80;
            }));
        bytesScan.feed(bytes);
    }
    if (file_.error() != QFileDevice::NoError)
        return fail(file_.errorString());
    // Only a whole, valid file is read as UTF-16 or UTF-32: any other keeps
    // its bytes as Windows-1252.
    if (wide && wide->finish()) {
        info_.encoding = encodingOf(wide->form());
        info_.lineEnd = wideScan.finish();
        info_.hasNul = wideScan.hasNul;
        return !tooLarge(wide->decodedBytes()) && fitsInMemory(wide->decodedBytes());
    }
    info_.lineEnd = bytesScan.finish();
    info_.hasNul = bytesScan.hasNul;
    if (!utf8.finish() && !verbatim_) {
        info_.encoding = TextEncoding::Windows1252;
        const std::uint64_t decodedBytes = size + 2 * highBytes;
        return !tooLarge(decodedBytes) && fitsInMemory(decodedBytes);
    }
    return !tooLarge(size) && fitsInMemory(size);
}

bool DocumentReader::read(const Sink& sink) {
    if (!file_.isOpen() || !file_.seek(0))
        return fail(file_.errorString());
    // Whatever the estimate said, memory can still run out; the sink may say
    // so too. The caller keeps its document.
    try {
        if (!readPieces(sink))
            return false;
    } catch (const std::bad_alloc&) {
        return fail(tr("there is not enough memory to hold it"));
    }
    // Both passes must have seen the same file: another program that rewrites
    // it meanwhile would otherwise leave a mix of two versions in the editor.
    struct stat now {};
    if (::fstat(file_.handle(), &now) != 0 || !sameVersion(opened_, now))
        return fail(tr("the file changed while it was being read; open it again"));
    file_.close();
    return true;
}

bool DocumentReader::readPieces(const Sink& sink) {
    lines_ = {};
    bool first = true;
    std::string converted;
    platform::ContentDigest digest;
    const auto form = wideForm(info_.encoding);
    std::optional<core::WideDecoder> wide;
    if (form)
        wide.emplace(*form);
    QByteArray chunk;
    while (!(chunk = file_.read(kChunk)).isEmpty()) {
        std::string_view bytes(chunk.constData(), static_cast<size_t>(chunk.size()));
        digest.add(bytes);
        if (first && wide) {
            const std::string_view mark = core::byteOrderMark(*form);
            if (bytes.substr(0, mark.size()) != mark)
                return fail(tr("the file changed while it was being read; open it again"));
            bytes.remove_prefix(mark.size());
        }
        if (wide) {
            converted.clear();
            if (!wide->feed(bytes, &converted))
                return fail(tr("the file changed while it was being read; open it again"));
            bytes = converted;
        }
        if (first && info_.encoding == TextEncoding::Utf8WithBom) {
            // The mark seen by the probe must still be there, as read() checks.
            if (bytes.substr(0, kBom.size()) != kBom)
                return fail(tr("the file changed while it was being read; open it again"));
            bytes.remove_prefix(kBom.size());
        }
        first = false;
        if (info_.encoding == TextEncoding::Windows1252) {
            converted.clear();
            converted.reserve(bytes.size() * 3);
            for (const char c : bytes)
                core::appendUtf8(converted,
                                 core::windows1252ToUnicode(static_cast<std::uint8_t>(c)));
            bytes = converted;
        }
        lines_.feed(bytes);
        if (lines_.longest() > kLongestLine)
            return fail(tr("a line in it is longer than %1 MB, more than the editor can lay out; "
                           "break the line (a formatter does it) and open the file again")
                            .arg(kLongestLine >> 20));
        sink(bytes);
    }
    if (file_.error() != QFileDevice::NoError)
        return fail(file_.errorString());
    if (wide && !wide->finish())
        return fail(tr("the file changed while it was being read; open it again"));
    digest_ = digest.value();
    return true;
}

} // namespace editor
