#pragma once

#include "editor/recovery/RecoveryCopy.h"

#include <QString>

#include <optional>
#include <string_view>
#include <variant>

namespace editor {

// The recovery copies of one user, in one folder. Each running program owns
// one copy, named by a token of its own, and holds a lock on it for as long as
// it runs; the system drops the lock when the program ends however it ends. A
// copy whose lock nobody holds was left by a run that did not end normally.
class RecoveryStore {
public:
    // Takes this program's lock in `folder`, creating the folder if needed.
    explicit RecoveryStore(const QString& folder);
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    // $XDG_STATE_HOME/ostra, or ~/.local/state/ostra.
    static QString defaultFolder();

    // Replaces this program's copy atomically and durably. Safe to call from
    // one other thread at a time; false when the copy could not be written.
    bool write(const RecoveryCopy& copy) const;
    void remove() const;

    // The newest copy left by a run that did not end normally.
    std::optional<QString> newestLeftBehind() const;
    struct Damaged {
        QString keptAs; // where the unreadable copy was set aside
    };
    // Reads a copy left behind; a damaged one is set aside, never deleted.
    std::variant<RecoveryCopy, Damaged> take(const QString& path) const;
    // Removes a copy left behind, once it was restored or declined.
    void discard(const QString& path) const;

private:
    QString folder_;
    QString name_; // this program's copy, "<pid>-<token>.recovery"
    int lock_ = -1;
};

} // namespace editor
