// The document window's commands that take more than one call of a room,
// and its answer to memory running out.
#include "editor/frmMain.h"

#include "anybutton/AnyButton.h"
#include "core/AppIdentity.h"
#include "editor/PlacementMemory.h"
#include "editor/commands/DocumentMenus.h"
#include "editor/document/DocumentFiles.h"
#include "editor/editing/EditingCommands.h"
#include "editor/editing/SourceEditor.h"
#include "editor/editing/TabControl.h"
#include "editor/elements/ElementButtons.h"
#include "editor/elements/ElementInsertion.h"
#include "platform/prompts/Prompts.h"

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QRadioButton>

#include <new>

namespace editor {

using platform::PromptButtons;
using platform::PromptIcon;

void frmMain::memoryRanOut(MemoryFailure failure) {
    // The journal holds every edit but the last few; writing those needs no
    // copy of the text.
    QString copied;
    if (recovery_ && coding_->isModified()) {
        bool written = false;
        try {
            written = recovery_->flush();
        } catch (const std::bad_alloc&) {
        }
        copied = written ? tr(" A recovery copy of it was written.")
                         : tr(" No recovery copy of it could be written.");
    }
    const QString what = failure == MemoryFailure::EditRefused
                             ? tr("There is not enough memory left for that change, so it was not "
                                  "made: the text is as it was.")
                             : tr("There was not enough memory left to finish the last action.");
    files_->showError(what + copied +
                      tr(" Save your work, then close other programs or large pages."));
}

void frmMain::offerRecovery() {
    recovery_->offerLeftBehind(prompts_, this, [this](const RecoveryKeeper::Restored& r) {
        Option1_[static_cast<size_t>(r.document.type)]->setChecked(true);
        if (!files_->loadRecovered(r.base, r.decodeBase, r.text, r.document.file,
                                   r.document.encoding, r.document.lineEnd))
            return false;
        coding_->setFocus();
        return true;
    });
}

void frmMain::mnuNew_Click() {
    prompts_.message(this, QStringLiteral("Close this windows before continuing"),
                     QStringLiteral("Feldt Ostra"), PromptIcon::Critical, PromptButtons::Ok);
}

void frmMain::mnuOpen_Click() {
    if (!files_->mayReplaceText())
        return;
    const QString path = files_->ShowFileDialog(1);
    if (!path.isEmpty())
        OpenFile(path);
}

void frmMain::mnuExit_Click() {
    placement_.SavePlacement(*outerWindow());
    outerWindow()->close();
}

void frmMain::mnuPaste_Click() {
    if (!editing_->paste())
        files_->showError(QStringLiteral("There is not enough memory to paste this text."));
}

void frmMain::Command2_Click(int index) {
    const anybutton::AnyButton* button = elements_->Command2()[static_cast<size_t>(index)];
    if (button)
        insertElement(*coding_, button->Caption());
}

void frmMain::Command1_Click() {
    preview_->openExternal();
}

void frmMain::XTab_Click(int) {
    // The caret before the target step, which puts an untitled page's at its start.
    const auto caret =
        static_cast<std::size_t>(coding_->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS));
    preview_->navigateEmbedded(XTab_->currentIndex() == 1 ? std::optional(caret) : std::nullopt);
}

void frmMain::toggleTools() {
    QAction* item = menus_->action(QStringLiteral("mnuTools"));
    Frame1_->setVisible(!item->isChecked());
    item->setChecked(!item->isChecked());
    runLayout();
    refreshCommandState();
}

void frmMain::toggleBottomBar() {
    QAction* item = menus_->action(QStringLiteral("mnuBottomBar"));
    picBottomBar_->setVisible(!item->isChecked());
    item->setChecked(!item->isChecked());
    runLayout();
    refreshCommandState();
}

bool frmMain::flipCheck(const char* name) {
    QAction* item = menus_->action(QLatin1String(name));
    item->setChecked(!item->isChecked());
    return item->isChecked();
}

void frmMain::Label1_Click() {
    // Hides the bar but leaves the layout alone until the next resize or toggle.
    picBottomBar_->hide();
    refreshCommandState();
}

void frmMain::coding_MouseUp(const QPoint& globalPos) {
    menus_->popup()->popup(globalPos);
}

void frmMain::coding_FilesDropped(const QStringList& paths) {
    if (paths.size() > 1) {
        prompts_.message(this,
                         QStringLiteral("You do have more than 1 files. dropped. Feldt Ostra "
                                        "will use the last file in the list"),
                         core::kAppTitle, PromptIcon::None, PromptButtons::Ok);
    }
    if (files_->mayReplaceText())
        OpenFile(paths.last());
}

} // namespace editor
