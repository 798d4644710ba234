#include "editor/document/DocumentWriter.h"

#include "core/text/PathBytes.h"
#include "editor/document/EncodedText.h"
#include "editor/document/InPlaceSave.h"
#include "editor/document/TempFiles.h"
#include "platform/files/ContentDigest.h"
#include "platform/files/FileIdentity.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <fcntl.h>
#include <unistd.h>

namespace editor {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("DocumentWriter", text);
}

QString failure(const QString& path, const QString& reason) {
    return tr("Could not save \u201c%1\u201d: %2. The file on disk was not changed.")
        .arg(path, reason);
}

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

void tell(const SaveOptions& options, SaveStep step) {
    if (options.reached)
        options.reached(step);
}

struct SplitPath {
    QByteArray folder;
    QByteArray name;
};

SplitPath split(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return {".", path};
    return {slash == 0 ? QByteArray("/") : path.left(slash), path.mid(slash + 1)};
}

// The file a save replaces: the new one takes on what made it that file.
struct Replaced {
    const QByteArray& path;
    const struct stat& st;
};

enum class Outcome { Done, Failed, OnlyInPlace };

// A new file beside the target, renamed over it once it is durable: the old
// file stays whole until the rename, and the folder is synced after it.
Outcome writeReplacing(int folder, const QByteArray& name, const Replaced* replaced, mode_t mode,
                       std::string_view utf8, TextEncoding encoding, const SaveOptions& options,
                       Written& result) {
    sweepDeadTempFiles(folder);
    std::optional<TempFile> temp = createTempFile(folder, mode);
    if (!temp) {
        result.reason = systemError();
        return Outcome::Failed;
    }
    const auto discard = [&] {
        const int error = errno;
        ::unlinkat(folder, temp->name.constData(), 0);
        errno = error;
    };
    if (replaced &&
        !platform::copyIdentity(replaced->path.constData(), replaced->st, temp->fd.get())) {
        discard();
        return Outcome::OnlyInPlace;
    }
    platform::ContentDigest digest;
    const bool written = encodeInPieces(utf8, encoding, [&](std::string_view piece) {
        digest.add(piece);
        return platform::writeAll(temp->fd.get(), piece);
    });
    if (!written || ::fsync(temp->fd.get()) != 0) {
        result.reason = systemError();
        discard();
        return Outcome::Failed;
    }
    tell(options, SaveStep::TempWritten);
    if (::renameat(folder, temp->name.constData(), folder, name.constData()) != 0) {
        result.reason = systemError();
        discard();
        return Outcome::Failed;
    }
    tell(options, SaveStep::Renamed);
    ::fsync(folder);
    ::fstat(temp->fd.get(), &result.st);
    result.digest = digest.value();
    result.ok = true;
    return Outcome::Done;
}

Written writeFile(const QByteArray& bytes, std::string_view utf8, TextEncoding encoding,
                  const SaveOptions& options) {
    Written result;
    struct stat st {};
    const bool exists = ::stat(bytes.constData(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) {
        result.reason = tr("it is a folder, not a file");
        return result;
    }
    // A device or a pipe would be replaced by a plain file: refused.
    if (exists && !S_ISREG(st.st_mode) && options.kind == SaveOptions::Kind::Document) {
        result.reason = tr("it is not a regular file (a device, a pipe or a socket)");
        return result;
    }
    // Through a symbolic link to the file itself; a private copy replaces
    // whatever has its name instead.
    QByteArray target = bytes;
    if (exists && options.kind == SaveOptions::Kind::Document) {
        if (char* real = ::realpath(bytes.constData(), nullptr)) {
            target = real;
            std::free(real);
        }
    }
    const SplitPath parts = split(target);
    platform::UniqueFd folder(::open(parts.folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder) {
        result.reason = systemError();
        return result;
    }
    if (options.kind == SaveOptions::Kind::PrivateCopy) {
        struct stat dir {};
        if (::fstat(folder.get(), &dir) != 0 || dir.st_uid != ::geteuid() ||
            (dir.st_mode & (S_IWGRP | S_IWOTH))) {
            result.reason = tr("other users can write in that folder");
            return result;
        }
        writeReplacing(folder.get(), parts.name, nullptr, S_IRUSR | S_IWUSR, utf8, encoding,
                       options, result);
        return result;
    }
    if (!exists) {
        writeReplacing(folder.get(), parts.name, nullptr, 0666, utf8, encoding, options, result);
        return result;
    }
    // Renaming would split hard links apart; a folder that takes no new file
    // leaves only the file itself.
    const Replaced replaced{target, st};
    if (st.st_nlink == 1 && ::faccessat(folder.get(), ".", W_OK, AT_EACCESS) == 0 &&
        writeReplacing(folder.get(), parts.name, &replaced, 0600, utf8, encoding, options,
                       result) != Outcome::OnlyInPlace)
        return result;
    return writeInPlace(target, utf8, encoding, options);
}

} // namespace

WriteResult writeDocument(const QString& path, std::string_view utf8, TextEncoding encoding,
                          const SaveOptions& options) {
    WriteResult result;
    result.encoding = writableEncoding(utf8, encoding);
    const Written written = writeFile(core::pathBytes(path), utf8, result.encoding, options);
    if (!written.ok) {
        result.errorMessage =
            written.oldContentKeptIn.isEmpty()
                ? failure(path, written.reason)
                : tr("Could not save \u201c%1\u201d: %2. The file may hold part of the new text; "
                     "its old content is kept in %3 and is offered back at the next start.")
                      .arg(path, written.reason, written.oldContentKeptIn);
        return result;
    }
    result.ok = true;
    result.version = DiskVersion::of(written.st, written.digest);
    return result;
}

} // namespace editor
