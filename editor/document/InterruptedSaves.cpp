#include "editor/document/InterruptedSaves.h"

#include "core/AppIdentity.h"
#include "editor/document/SaveJournal.h"
#include "platform/prompts/Prompts.h"

#include <QCoreApplication>

namespace editor {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("InterruptedSaves", text);
}

void tell(platform::Prompts& prompts, QWidget* parent, const QString& text) {
    prompts.message(parent, text, core::kAppTitle, platform::PromptIcon::Warning,
                    platform::PromptButtons::Ok);
}

void settle(const InterruptedSave& save, platform::Prompts& prompts, QWidget* parent) {
    using State = InterruptedSave::State;
    if (save.state == State::Finished || save.state == State::Untouched) {
        discardInterruptedSave(save, false);
        return;
    }
    if (save.oldCopy.isEmpty()) {
        discardInterruptedSave(save, false);
        return;
    }
    if (save.state == State::Missing) {
        discardInterruptedSave(save, true);
        tell(prompts, parent,
             tr("Ostra was stopped while saving \u201c%1\u201d, which is no longer there. The "
                "text it held before that save is kept in \u201c%2\u201d.")
                 .arg(save.file, save.oldCopy));
        return;
    }
    const auto answer = prompts.message(
        parent,
        tr("Ostra was stopped while saving \u201c%1\u201d, and the file may now hold part of "
           "the old text and part of the new. Put back the text it held before that save?")
            .arg(save.file),
        core::kAppTitle, platform::PromptIcon::Warning, platform::PromptButtons::YesNo);
    if (answer == platform::PromptAnswer::Yes) {
        if (!restoreInterruptedSave(save))
            tell(prompts, parent,
                 tr("\u201c%1\u201d could not be written. The text it held before is kept in "
                    "\u201c%2\u201d.")
                     .arg(save.file, save.oldCopy));
        return;
    }
    discardInterruptedSave(save, true);
    tell(prompts, parent,
         tr("\u201c%1\u201d is left as it is. The text it held before is kept in \u201c%2\u201d.")
             .arg(save.file, save.oldCopy));
}

} // namespace

void settleInterruptedSaves(const QString& folder, platform::Prompts& prompts, QWidget* parent) {
    for (const InterruptedSave& save : findInterruptedSaves(folder))
        settle(save, prompts, parent);
}

} // namespace editor
