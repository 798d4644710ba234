#include "editor/document/InPlaceSave.h"

#include "editor/document/EncodedText.h"
#include "editor/document/SaveJournal.h"
#include "platform/files/ContentDigest.h"
#include "platform/files/UniqueFd.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace editor {

namespace {

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

void tell(const SaveOptions& options, SaveStep step) {
    if (options.reached)
        options.reached(step);
}

} // namespace

Written writeInPlace(const QByteArray& target, std::string_view utf8, TextEncoding encoding,
                     const SaveOptions& options) {
    Written result;
    platform::UniqueFd file(::open(target.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC));
    if (!file) {
        result.reason = systemError();
        return result;
    }
    // The new content's size and digest go into the record first, so that
    // the next start can tell a finished save from one cut short.
    platform::ContentDigest digest;
    SaveJournal::Content next;
    encodeInPieces(utf8, encoding, [&](std::string_view piece) {
        digest.add(piece);
        next.size += piece.size();
        return true;
    });
    next.digest = digest.value();
    const QString folder =
        options.journalFolder.isEmpty() ? SaveJournal::defaultFolder() : options.journalFolder;
    std::optional<SaveJournal> journal = SaveJournal::begin(folder, target, file.get(), next);
    if (!journal) {
        result.reason = QCoreApplication::translate("DocumentWriter",
                                                    "no safety copy of the old content could be "
                                                    "made in %1 (%2)")
                            .arg(folder, systemError());
        return result;
    }
    tell(options, SaveStep::SafetyCopyDurable);
    // Over the old bytes, then cut to length: the file is never shorter than
    // it needs to be while the write runs.
    const bool ok = ::lseek(file.get(), 0, SEEK_SET) == 0 &&
                    encodeInPieces(utf8, encoding,
                                   [&](std::string_view piece) {
                                       if (!platform::writeAll(file.get(), piece))
                                           return false;
                                       tell(options, SaveStep::InPlacePiece);
                                       return true;
                                   }) &&
                    ::ftruncate(file.get(), static_cast<off_t>(next.size)) == 0 &&
                    ::fsync(file.get()) == 0 && ::fstat(file.get(), &result.st) == 0;
    if (!ok) {
        result.reason = systemError();
        // When this fails too, the record stays for the next start to offer.
        if (journal->restoreInto(file.get()))
            journal->finish();
        else
            result.oldContentKeptIn = folder;
        return result;
    }
    tell(options, SaveStep::InPlaceDurable);
    journal->finish();
    result.ok = true;
    result.digest = next.digest;
    return result;
}

} // namespace editor
