#include "editor/document/DocumentWriter.h"

#include "core/text/Utf8.h"
#include "core/text/Windows1252.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <optional>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace editor {

namespace {

constexpr size_t kChunk = 1 << 20;

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

QString failure(const QString& path, const QString& reason) {
    return QCoreApplication::translate("DocumentWriter",
                                       "Could not save \u201c%1\u201d: %2. The file on disk "
                                       "was not changed.")
        .arg(path, reason);
}

bool writeWindows1252(QIODevice& file, std::string_view utf8) {
    std::string out;
    out.reserve(kChunk + 64);
    for (size_t pos = 0; pos < utf8.size();) {
        const size_t run = std::min(asciiRun(utf8, pos), kChunk);
        out.append(utf8.substr(pos, run));
        pos += run;
        if (pos < utf8.size() && static_cast<unsigned char>(utf8[pos]) >= 0x80)
            out += static_cast<char>(*core::unicodeToWindows1252(*core::decodeUtf8(utf8, pos)));
        if (out.size() >= kChunk || pos == utf8.size()) {
            if (file.write(out.data(), static_cast<qint64>(out.size())) !=
                static_cast<qint64>(out.size()))
                return false;
            out.clear();
        }
    }
    return true;
}

bool writeBytes(QIODevice& file, std::string_view bytes) {
    for (size_t pos = 0; pos < bytes.size(); pos += kChunk) {
        const auto piece = bytes.substr(pos, kChunk);
        if (file.write(piece.data(), static_cast<qint64>(piece.size())) !=
            static_cast<qint64>(piece.size()))
            return false;
    }
    return true;
}

bool writeEncoded(QIODevice& file, std::string_view utf8, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8WithBom && file.write("\xEF\xBB\xBF", 3) != 3)
        return false;
    return encoding == TextEncoding::Windows1252 ? writeWindows1252(file, utf8)
                                                 : writeBytes(file, utf8);
}

QString tr(const char* text) {
    return QCoreApplication::translate("DocumentWriter", text);
}

// Renaming a new file over the old one gives it a new identity: our owner and
// group, a single link. Where that would change the file, or the folder
// cannot take a new file, the file is written in place instead.
bool keepsIdentityOnlyInPlace(const QString& target, const struct stat& st) {
    const QByteArray folder = QFile::encodeName(QFileInfo(target).absolutePath());
    return st.st_nlink > 1 || st.st_uid != ::geteuid() || st.st_gid != ::getegid() ||
           ::access(folder.constData(), W_OK) != 0;
}

// Writes in place after a copy of the old content is safe in the cache
// folder; a failed write puts the old content back. The copy is removed once
// the new content is durable.
WriteResult writeInPlace(const QString& path, std::string_view utf8, TextEncoding encoding) {
    WriteResult result;
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    QDir().mkpath(cache);
    const QString backupPath = QDir(cache).filePath(QStringLiteral("save-copy-%1-%2")
                                                        .arg(QCoreApplication::applicationPid())
                                                        .arg(QFileInfo(path).fileName()));
    QFile::remove(backupPath);
    if (!QFile::copy(path, backupPath)) {
        result.errorMessage =
            failure(path, tr("no safety copy of the old content could be made in ") + cache);
        return result;
    }
    QFile target(path);
    bool ok = target.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
              writeEncoded(target, utf8, encoding) && target.flush() &&
              ::fsync(target.handle()) == 0;
    const QString reason = target.errorString();
    target.close();
    if (!ok) {
        QFile old(backupPath);
        QFile restore(path);
        if (old.open(QIODevice::ReadOnly) &&
            restore.open(QIODevice::WriteOnly | QIODevice::Truncate))
            restore.write(old.readAll());
        result.errorMessage = failure(path, reason);
        return result;
    }
    QFile::remove(backupPath);
    result.ok = true;
    result.encoding = encoding;
    return result;
}

} // namespace

WriteResult writeDocument(const QString& path, std::string_view utf8, TextEncoding encoding) {
    WriteResult result;
    if (QFileInfo(path).isDir()) {
        result.errorMessage = failure(
            path, QCoreApplication::translate("DocumentWriter", "it is a folder, not a file"));
        return result;
    }
    if (encoding == TextEncoding::Windows1252 && !fitsWindows1252(utf8))
        encoding = TextEncoding::Utf8;

    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) == 0) {
        // A device or a pipe would be replaced by a plain file: refused.
        if (!S_ISREG(st.st_mode)) {
            result.errorMessage =
                failure(path, tr("it is not a regular file (a device, a pipe or a socket)"));
            return result;
        }
        // Through a symbolic link to the file itself, as the rename does.
        const QString target = QFileInfo(path).canonicalFilePath();
        if (keepsIdentityOnlyInPlace(target, st))
            return writeInPlace(target, utf8, encoding);
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        result.errorMessage = failure(path, file.errorString());
        return result;
    }
    if (!writeEncoded(file, utf8, encoding)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        file.commit();
        result.errorMessage = failure(path, reason);
        return result;
    }
    if (!file.commit()) {
        result.errorMessage = failure(path, file.errorString());
        return result;
    }
    result.ok = true;
    result.encoding = encoding;
    return result;
}

} // namespace editor
