#pragma once

#include "platform/files/UniqueFd.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

#include <sys/stat.h>

namespace editor {

// What an in-place save leaves on disk until its new content is durable: a
// copy of the old content ("<token>.old") and a record naming the file and
// both contents' sizes and digests ("<token>.save"), in a folder of the
// user's. Both are durable before the first byte of the file is touched, and
// the save holds the record's lock while it runs: a record nobody holds was
// left by a save that never finished.
class SaveJournal {
public:
    // $XDG_STATE_HOME/ostra/saves, or ~/.local/state/ostra/saves.
    static QString defaultFolder();

    struct Content {
        std::uint64_t size = 0;
        std::uint64_t digest = 0;
    };
    // Copies the old content of `target` (open for reading) and writes the
    // record; nothing, with errno set, when either cannot be made durable.
    static std::optional<SaveJournal> begin(const QString& folder, const QByteArray& targetPath,
                                            int target, const Content& next);

    // Writes the old content back into `target` and syncs it.
    bool restoreInto(int target) const;
    // The new content is durable: copy and record go, the copy first.
    void finish();

private:
    SaveJournal() = default;
    platform::UniqueFd folder_;
    platform::UniqueFd copy_;
    platform::UniqueFd record_; // locked while the save runs
    QByteArray token_;
};

// A save a run left unfinished, as the next start finds it.
struct InterruptedSave {
    enum class State {
        Finished,  // the file holds the new content: only the record was left
        Untouched, // the file still holds the old content
        Damaged,   // anything else: a write cut short, or a change since
        Missing,   // the file is gone
    };
    QString record;
    QString oldCopy; // empty when the copy is gone too
    QString file;
    State state = State::Damaged;
};

// The records in folder that no running save holds.
std::vector<InterruptedSave> findInterruptedSaves(const QString& folder);
// Puts the old content back into the file, in place so it keeps its
// identity, then removes copy and record. False when the file could not be
// written; everything is kept then.
bool restoreInterruptedSave(const InterruptedSave& save);
// Removes the record; the copy too unless `keepCopy`.
void discardInterruptedSave(const InterruptedSave& save, bool keepCopy);

} // namespace editor
