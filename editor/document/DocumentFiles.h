#pragma once

#include "editor/document/DiskVersion.h"
#include "editor/document/SaveOptions.h"
#include "editor/document/TextEncoding.h"

#include <QString>

#include <functional>
#include <optional>
#include <string_view>

class QWidget;

namespace platform {
class Prompts;
}

namespace editor {

class DocumentText;
struct DocumentState;

// The file lifecycle of the document window: opening, saving, the file
// dialogs and the save question. `changed` runs after every change of the
// document state, so captions and command states follow at once.
class DocumentFiles {
public:
    // `window` is the parent of the dialogs and messages (none: no parent).
    DocumentFiles(QWidget* window, platform::Prompts& prompts, DocumentText& text,
                  DocumentState& state, std::function<void()> changed);

    // Replaces the text with the default page, untitled and untouched.
    void loadDefaultPage();
    // Puts back a document from its recovery copy: its base (a file of the
    // editor's own bytes, or decoded as opening decodes when `decodeBase`) or,
    // for an older copy, its text; with its file name and encoding, and its
    // changes unsaved. False (and the user told) when the base cannot be read.
    bool loadRecovered(const QString& base, bool decodeBase, std::string_view text,
                       const QString& file, TextEncoding encoding, LineEnd lineEnd);
    bool OpenFile(const QString& path);
    bool SaveFile(const QString& path);
    // Writes the text to a preview file: like SaveFile, but failures are not
    // reported, and the document stays untitled and unsaved, its edits still
    // counting as changes for the next Open or drop.
    bool savePreviewCopy(const QString& path);

    // Save to CurrentFile, or through the save dialog when untitled.
    bool save();
    bool saveAs();
    // Asks the save question; false when the user cancelled or the save did not happen.
    bool settleUnsavedChanges();
    // Before Open or a drop replaces the text: true when it has not been
    // changed since it was loaded, saved or reset, or once the save question
    // is settled.
    bool mayReplaceText();
    // The open dialog (mode 1) or the save dialog (mode 2); "" when cancelled.
    QString ShowFileDialog(int mode);
    void showError(const QString& message);

    // When the window is activated again: another program's change to
    // CurrentFile is loaded quietly into an unchanged document (the caret
    // kept) and asked about in a changed one; a deleted file is reported and
    // the text kept as unsaved.
    void checkDisk();
    // Where in-place saves keep the old content until the new is durable.
    void setJournalFolder(const QString& folder) { journalFolder_ = folder; }
    const QString& journalFolder() const { return journalFolder_; }

private:
    enum class Report { Tell, Quiet };
    // Writes the text; keeps the encoding actually written.
    std::optional<DiskVersion> write(const QString& path, Report report, SaveOptions::Kind kind);
    enum class Caret { ToStart, Kept };
    bool load(const QString& path, Caret caret);
    // The questions before a save replaces a file: read-only, or changed by
    // another program since it was read or saved here.
    enum class Overwrite { Go, Stop, SavedAs };
    Overwrite mayOverwrite(const QString& path);

    QWidget* window_;
    platform::Prompts& prompts_;
    DocumentText& text_;
    DocumentState& state_;
    std::function<void()> changed_;
    QString lastDialogPath_;
    QString journalFolder_;
    bool checkingDisk_ = false;
};

} // namespace editor
