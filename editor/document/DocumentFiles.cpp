#include "editor/document/DocumentFiles.h"

#include "core/AppIdentity.h"
#include "editor/document/DocumentReader.h"
#include "editor/document/DocumentState.h"
#include "editor/document/DocumentText.h"
#include "editor/document/DocumentWriter.h"
#include "platform/files/LocalPath.h"
#include "platform/prompts/Prompts.h"

#include <QCoreApplication>

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

const QString kFileFilter =
    QStringLiteral("supported web documents (*.html *.xml *.htm *.asp *.css)");

} // namespace

DocumentFiles::DocumentFiles(QWidget* window, platform::Prompts& prompts, DocumentText& text,
                             DocumentState& state, std::function<void()> changed)
    : window_(window), prompts_(prompts), text_(text), state_(state), changed_(std::move(changed)) {
}

void DocumentFiles::loadDefaultPage() {
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
    state_.stamp = {};
    changed_();
    text_.moveCaretToStart();
    return true;
}

bool DocumentFiles::OpenFile(const QString& path) {
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
    state_.stamp = reader.stamp();
    changed_();
    state_.encoding = reader.info().encoding;
    state_.lineEnd = reader.info().lineEnd;
    text_.setLineEnd(state_.lineEnd);
    text_.moveCaretToStart();
    text_.setSavePoint();
    return true;
}

bool DocumentFiles::write(const QString& path, Report report) {
    const WriteResult result = writeDocument(path, text_.textBytes(), state_.encoding);
    if (!result.ok) {
        if (report == Report::Tell)
            showError(result.errorMessage);
        return false;
    }
    state_.encoding = result.encoding;
    return true;
}

bool DocumentFiles::SaveFile(const QString& path) {
    if (!write(path, Report::Tell))
        return false;
    state_.CurrentFile = path;
    state_.stamp = stampOf(path).value_or(FileStamp{});
    state_.IsSaved = true;
    changed_();
    text_.moveCaretToStart();
    text_.setSavePoint();
    return true;
}

bool DocumentFiles::savePreviewCopy(const QString& path) {
    if (!write(path, Report::Quiet))
        return false;
    state_.CurrentFile.clear();
    state_.IsSaved = false;
    text_.moveCaretToStart();
    return true;
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
