#include "editor/document/DocumentReader.h"

#include "core/text/Utf8.h"
#include "core/text/Windows1252.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
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

DocumentReader::DocumentReader(const QString& path) : path_(path), file_(path) {}

bool DocumentReader::fail(const QString& reason) {
    error_ = tr("Could not open \u201c%1\u201d: %2.").arg(path_, reason);
    return false;
}

bool DocumentReader::probe() {
    const QFileInfo fi(path_);
    if (!fi.exists())
        return fail(tr("the file does not exist"));
    if (fi.isDir())
        return fail(tr("it is a folder, not a file"));
    // Opened without blocking: a named pipe would wait for a writer forever,
    // and a device like /dev/zero never ends. Only regular files are read.
    const int fd = ::open(QFile::encodeName(path_).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    if (::fstat(fd, &opened_) != 0 || !S_ISREG(opened_.st_mode)) {
        ::close(fd);
        return fail(tr("it is not a regular file (a device, a pipe or a socket)"));
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
    lines_ = {};
    bool first = true;
    std::string converted;
    QByteArray chunk;
    while (!(chunk = file_.read(kChunk)).isEmpty()) {
        std::string_view bytes(chunk.constData(), static_cast<size_t>(chunk.size()));
        if (first && info_.encoding == TextEncoding::Utf8WithBom) {
            // The mark seen by the probe must still be there (see the check below).
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
    // Both passes must have seen the same file: another program that rewrites
    // it meanwhile would otherwise leave a mix of two versions in the editor.
    struct stat now {};
    if (::fstat(file_.handle(), &now) != 0 || !sameVersion(opened_, now))
        return fail(tr("the file changed while it was being read; open it again"));
    file_.close();
    return true;
}

} // namespace editor
