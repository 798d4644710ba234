#include "editor/recovery/RecoveryKeeper.h"

#include "core/AppIdentity.h"
#include "editor/recovery/RecoveryStore.h"
#include "platform/prompts/Prompts.h"

namespace editor {

using platform::PromptAnswer;
using platform::PromptButtons;
using platform::PromptIcon;

RecoveryKeeper::RecoveryKeeper(DocumentText& text, Snapshot snapshot, const RecoveryStore& store,
                               Timing timing, QObject* parent)
    : QObject(parent), text_(text), snapshot_(std::move(snapshot)), store_(store), timing_(timing),
      writer_(store) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &RecoveryKeeper::writeNow);
    text_.addListener(*this);
}

void RecoveryKeeper::changed() {
    if (!text_.isModified()) {
        discard();
        return;
    }
    if (!timer_.isActive()) {
        firstPending_.start();
        timer_.start(timing_.quiet);
        return;
    }
    // Restarted by each change, but never put off past the longest wait.
    if (firstPending_.elapsed() + timing_.quiet.count() <= timing_.longest.count())
        timer_.start(timing_.quiet);
}

void RecoveryKeeper::writeNow() {
    if (!text_.isModified())
        return;
    writer_.write(snapshot_());
    mayHaveCopy_ = true;
}

void RecoveryKeeper::discard() {
    timer_.stop();
    if (mayHaveCopy_)
        writer_.remove();
    mayHaveCopy_ = false;
}

void RecoveryKeeper::offerLeftBehind(platform::Prompts& prompts, QWidget* parent,
                                     const std::function<void(RecoveryCopy&&)>& restore) {
    const auto path = store_.newestLeftBehind();
    if (!path)
        return;
    auto taken = store_.take(*path);
    if (const auto* damaged = std::get_if<RecoveryStore::Damaged>(&taken)) {
        prompts.message(parent,
                        QStringLiteral("The recovery copy of the last session is damaged and "
                                       "cannot be restored. It was kept as \u201c%1\u201d.")
                            .arg(damaged->keptAs),
                        core::kAppTitle, PromptIcon::Warning, PromptButtons::Ok);
        return;
    }
    RecoveryCopy& copy = std::get<RecoveryCopy>(taken);
    const QString target = copy.file.isEmpty() ? QStringLiteral("an untitled page") : copy.file;
    const PromptAnswer answer = prompts.message(
        parent,
        QStringLiteral("Ostra was not closed properly. Recover the unsaved changes to %1?")
            .arg(target),
        core::kAppTitle, PromptIcon::Warning, PromptButtons::YesNo);
    if (answer == PromptAnswer::Yes)
        restore(std::move(copy));
    store_.discard(*path);
}

} // namespace editor
