#include "editor/document/DocumentFiles.h"

#include "core/AppIdentity.h"
#include "core/text/PathBytes.h"
#include "editor/document/DocumentReader.h"
#include "editor/document/DocumentState.h"
#include "editor/document/DocumentText.h"
#include "editor/document/DocumentWriter.h"
#include "editor/document/SaveJournal.h"
#include "platform/files/LocalPath.h"
#include "platform/prompts/Prompts.h"

#include <QCoreApplication>
#include <QScopeGuard>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace editor {

using platform::PromptAnswer;
using platform::PromptButtons;
using platform::PromptIcon;

namespace {

constexpr std::string_view kDefaultPage = "<!-- Feldt Ostra 1.1-->\r\n"
                                          "<html>\r\n"
                                          "<head>\r\n"
                                          "<title>Untitled</title>\r\n"
                                          "</head>\r\n"
                                          "<body>\r\n"
                                          "\r\n"
                                          "</body>\r\n"
                                          "</html>";

QString tr(const char* text) {
    return QCoreApplication::translate("DocumentFiles", text);
}

const QString kFileFilter =
    QStringLiteral("supported web documents (*.html *.xml *.htm *.asp *.css)");

} // namespace

DocumentFiles::DocumentFiles(QWidget* window, platform::Prompts& prompts, DocumentText& text,
                             DocumentState& state, std::function<void()> changed)
    : window_(window), prompts_(prompts), text_(text), state_(state), changed_(std::move(changed)),
      journalFolder_(SaveJournal::defaultFolder()) {}

void DocumentFiles::loadDefaultPage() {
    state_.disk.reset();
    state_.encoding = TextEncoding::Utf8;
    state_.lineEnd = LineEnd::CrLf;
    text_.setLineEnd(state_.lineEnd);
    // From the save point, so the new text is a change however the old one stood.
    text_.setSavePoint();
    text_.replaceText(kDefaultPage);
    text_.clearUndoHistory();
    // The default page is unsaved but untouched: Open may replace it without asking.
    text_.setSavePoint();
}

bool DocumentFiles::loadRecovered(const QString& base, bool decodeBase, std::string_view text,
                                  const QString& file, TextEncoding encoding, LineEnd lineEnd) {
    if (base.isEmpty()) {
        // An undoable change from the save point: the text counts as unsaved,
        // as it was (emptying the undo history would make it the saved state).
        text_.setSavePoint();
        text_.replaceText(text);
    } else {
        // Prepared exactly as opening prepares a file: long lines and all.
        DocumentReader reader(base);
        if (!decodeBase)
            reader.keepBytesAsTheyAre();
        if (!reader.probe() || !text_.loadFrom(reader)) {
            showError(
                QStringLiteral("The recovery copy cannot be read: %1").arg(reader.errorMessage()));
            return false;
        }
        // A text of its own is unsaved however few edits follow it.
        if (!decodeBase)
            text_.leaveSavePoint();
    }
    state_.encoding = encoding;
    state_.lineEnd = lineEnd;
    text_.setLineEnd(state_.lineEnd);
    state_.CurrentFile = file;
    state_.IsSaved = false;
    state_.disk.reset();
    changed_();
    text_.moveCaretToStart();
    return true;
}

bool DocumentFiles::OpenFile(const QString& path) {
    return load(path, Caret::ToStart);
}

bool DocumentFiles::load(const QString& path, Caret caret) {
    const long kept = caret == Caret::Kept ? text_.caretPosition() : 0;
    DocumentReader reader(path);
    if (!reader.probe()) {
        showError(reader.errorMessage());
        return false;
    }
    if (!text_.loadFrom(reader)) {
        showError(reader.errorMessage());
        return false;
    }
    state_.CurrentFile = path;
    state_.IsSaved = true;
    state_.disk = DiskVersion::of(reader.fileStat(), reader.digest());
    changed_();
    state_.encoding = reader.info().encoding;
    state_.lineEnd = reader.info().lineEnd;
    text_.setLineEnd(state_.lineEnd);
    text_.setCaretPosition(kept);
    text_.setSavePoint();
    return true;
}

std::optional<DiskVersion> DocumentFiles::write(const QString& path, Report report,
                                                SaveOptions::Kind kind) {
    SaveOptions options;
    options.kind = kind;
    options.journalFolder = journalFolder_;
    const WriteResult result = writeDocument(path, text_.textBytes(), state_.encoding, options);
    if (!result.ok) {
        if (report == Report::Tell)
            showError(result.errorMessage);
        return std::nullopt;
    }
    state_.encoding = result.encoding;
    return result.version;
}

DocumentFiles::Overwrite DocumentFiles::mayOverwrite(const QString& path) {
    const QByteArray bytes = core::pathBytes(path);
    struct stat st {};
    if (::stat(bytes.constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return Overwrite::Go;
    // Root may write anything: only a file without any write bit counts as
    // read-only then.
    const bool readOnly =
        ::geteuid() == 0
            ? (st.st_mode & 0222) == 0
            : ::faccessat(AT_FDCWD, bytes.constData(), W_OK, AT_EACCESS) != 0 && errno == EACCES;
    if (readOnly &&
        prompts_.message(window_, tr("\u201c%1\u201d is read-only. Save over it anyway?").arg(path),
                         core::kAppTitle, PromptIcon::Warning,
                         PromptButtons::YesNo) != PromptAnswer::Yes)
        return Overwrite::Stop;
    if (path != state_.CurrentFile || !state_.disk ||
        compareWithDisk(path, *state_.disk) != DiskChange::Changed)
        return Overwrite::Go;
    const int choice = prompts_.choose(
        window_,
        tr("\u201c%1\u201d was changed by another program since it was opened or saved here. "
           "Saving replaces that change with your text.")
            .arg(path),
        core::kAppTitle, PromptIcon::Warning, {tr("Save Anyway"), tr("Save As..."), tr("Cancel")});
    if (choice == 0)
        return Overwrite::Go;
    if (choice == 1 && saveAs())
        return Overwrite::SavedAs;
    return Overwrite::Stop;
}

bool DocumentFiles::SaveFile(const QString& path) {
    switch (mayOverwrite(path)) {
    case Overwrite::Stop:
        return false;
    case Overwrite::SavedAs:
        return true;
    case Overwrite::Go:
        break;
    }
    const std::optional<DiskVersion> written =
        write(path, Report::Tell, SaveOptions::Kind::Document);
    if (!written)
        return false;
    state_.CurrentFile = path;
    state_.IsSaved = true;
    state_.disk = written;
    changed_();
    text_.moveCaretToStart();
    text_.setSavePoint();
    return true;
}

bool DocumentFiles::savePreviewCopy(const QString& path) {
    if (!write(path, Report::Quiet, SaveOptions::Kind::PrivateCopy))
        return false;
    state_.CurrentFile.clear();
    state_.IsSaved = false;
    text_.moveCaretToStart();
    return true;
}

void DocumentFiles::checkDisk() {
    if (checkingDisk_ || state_.CurrentFile.isEmpty() || !state_.disk)
        return;
    // The questions below activate the window again when they close.
    checkingDisk_ = true;
    const auto done = qScopeGuard([this] { checkingDisk_ = false; });
    const QString path = state_.CurrentFile;
    switch (compareWithDisk(path, *state_.disk)) {
    case DiskChange::Same:
        return;
    case DiskChange::Missing:
        state_.disk->exists = false; // told once
        state_.IsSaved = false;
        changed_();
        prompts_.message(window_,
                         tr("\u201c%1\u201d was deleted or moved by another program. Your text "
                            "is still here: save it to write the file again.")
                             .arg(path),
                         core::kAppTitle, PromptIcon::Warning, PromptButtons::Ok);
        return;
    case DiskChange::Changed:
        break;
    }
    if (!text_.isModified()) {
        load(path, Caret::Kept);
        return;
    }
    const int choice = prompts_.choose(
        window_,
        tr("\u201c%1\u201d was changed by another program. Reload it (your changes here are "
           "lost), save your text under another name, or keep your text?")
            .arg(path),
        core::kAppTitle, PromptIcon::Warning, {tr("Reload"), tr("Save As..."), tr("Keep Mine")});
    if (choice == 0) {
        load(path, Caret::Kept);
        return;
    }
    // Accepted as it is now: asked again only after the next change.
    state_.disk = currentDiskVersion(path);
    if (choice == 1)
        saveAs();
}

bool DocumentFiles::save() {
    if (!state_.CurrentFile.isEmpty())
        return SaveFile(state_.CurrentFile);
    return saveAs();
}

bool DocumentFiles::saveAs() {
    const QString path = ShowFileDialog(2);
    return !path.isEmpty() && SaveFile(path);
}

bool DocumentFiles::settleUnsavedChanges() {
    const PromptAnswer answer = prompts_.message(
        window_, QStringLiteral("You did not save your file. Do you want to save the page?"),
        QStringLiteral("New Document"), PromptIcon::None, PromptButtons::YesNoCancel);
    switch (answer) {
    case PromptAnswer::Yes:
        // A save that did not happen keeps the document: nothing is thrown away.
        return save();
    case PromptAnswer::No:
        return true;
    default:
        return false;
    }
}

bool DocumentFiles::mayReplaceText() {
    return !text_.isModified() || settleUnsavedChanges();
}

QString DocumentFiles::ShowFileDialog(int mode) {
    const QString path = platform::recoverDialogPath(
        mode == 1 ? prompts_.openFileName(window_, lastDialogPath_, kFileFilter)
                  : prompts_.saveFileName(window_, lastDialogPath_, kFileFilter));
    if (!path.isEmpty())
        lastDialogPath_ = path;
    return path;
}

void DocumentFiles::showError(const QString& message) {
    prompts_.message(window_, message, core::kAppTitle, PromptIcon::Critical, PromptButtons::Ok);
}

} // namespace editor
