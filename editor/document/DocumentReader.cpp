#include "editor/document/DocumentReader.h"

#include "core/text/PathBytes.h"
#include "core/text/Utf8.h"
#include "core/text/Windows1252.h"
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

bool DocumentReader::fitsInMemory(std::uint64_t decodedBytes) {
    // The editor keeps a style byte beside each byte of text, a line index,
    // and the pieces being read; a little more for the program around it.
    constexpr std::uint64_t kMiB = 1 << 20;
    const std::uint64_t needed = decodedBytes * 2 + decodedBytes / 8 + 32 * kMiB;
    const auto free = available_();
    if (!free || needed <= *free)
        return true;
    return fail(tr("it needs about %1 MB of memory to edit, and this computer has %2 MB free")
                    .arg(needed / kMiB)
                    .arg(*free / kMiB));
}

FileStamp DocumentReader::stamp() const {
    return {static_cast<std::int64_t>(opened_.st_size),
            static_cast<std::int64_t>(opened_.st_mtim.tv_sec) * 1'000'000'000 +
                opened_.st_mtim.tv_nsec,
            static_cast<std::uint64_t>(opened_.st_dev), static_cast<std::uint64_t>(opened_.st_ino)};
}

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
    // Before anything is read: the text is at least as long as the file.
    if (!fitsInMemory(static_cast<std::uint64_t>(opened_.st_size))) {
        ::close(fd);
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file_.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(file_.errorString());
    }

    core::Utf8Validator utf8;
    std::optional<LineEnd> lineEnd;
    bool lastWasCr = false;
    bool first = true;
    std::uint64_t highBytes = 0; // each becomes two or three bytes as Windows-1252
    QByteArray chunk;
    while (!(chunk = file_.read(kChunk)).isEmpty()) {
        const std::string_view bytes(chunk.constData(), static_cast<size_t>(chunk.size()));
        if (first && !verbatim_ && bytes.substr(0, kBom.size()) == kBom)
            info_.encoding = TextEncoding::Utf8WithBom;
        first = false;
        utf8.feed(bytes);
        highBytes +=
            static_cast<std::uint64_t>(std::count_if(bytes.begin(), bytes.end(), [](char c) {
                return static_cast<unsigned char>(c) >= 0x80;
            }));
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
    if (!utf8.finish() && !verbatim_) {
        info_.encoding = TextEncoding::Windows1252;
        return fitsInMemory(static_cast<std::uint64_t>(opened_.st_size) + 2 * highBytes);
    }
    return true;
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
    QByteArray chunk;
    while (!(chunk = file_.read(kChunk)).isEmpty()) {
        std::string_view bytes(chunk.constData(), static_cast<size_t>(chunk.size()));
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
    return true;
}

} // namespace editor
