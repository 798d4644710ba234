#pragma once

#include "editor/document/FileStamp.h"
#include "editor/recovery/RecoveryCopy.h"
#include "editor/recovery/RecoveryJournal.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace editor {

// The recovery copies of one user, in one folder made for them alone (0700).
// Each running program keeps one session there, named by a token of its own:
// a journal (`<name>.journal`) of edits over a base (`<name>.<generation>.base`,
// or for a moment the document's file itself), and a lock held for as long as it runs; the system
// drops the lock when the program ends however it ends. A session whose lock nobody holds was left
// by a run that did not end normally. Copies of the older whole-text form
// (`<name>.recovery`) are still read.
//
// The session's operations run on one thread (the writer's) or the
// interface's, never both at once; the folder's on the interface thread.
class RecoveryStore {
public:
    // Takes this program's lock in `folder`, creating the folder (0700) if
    // needed, and clears what killed runs left half done.
    explicit RecoveryStore(const QString& folder);
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    // $XDG_STATE_HOME/ostra, or ~/.local/state/ostra.
    static QString defaultFolder();
    const QString& folder() const { return folder_; }

    // This program's session. Each returns an empty string when it is done
    // and durable, or why not.
    struct Base {
        std::uint64_t length = 0;
        std::uint64_t checksum = 0;
    };
    // The name of this session's base of a generation.
    std::string baseName(std::uint64_t generation) const;
    // A base copied from the document's file, durable; refused when the file
    // is no longer `stamp` with content `digest` (another program changed it).
    QString writeBaseFromFile(const std::string& base, const QString& file, const FileStamp& stamp,
                              std::uint64_t digest) const;
    // A base written from the text's pieces as the sink hands them on; made
    // durable by commitBase, off the interface thread.
    QString
    writeBaseFromText(const std::string& base,
                      const std::function<void(const std::function<bool(std::string_view)>&)>& text,
                      Base& written) const;
    QString commitBase(const std::string& base) const;
    // Puts a fresh journal (a header, and edits if any) in place of the last,
    // atomically and durably.
    QString startJournal(const std::string& header) const;
    // The journal over a new base: `header`, then the edits it holds.
    QString rebaseJournal(const std::string& header) const;
    // Durable only when `sync`: written, it already outlives a killed program.
    QString appendJournal(std::string_view records, bool sync = true) const;
    void removeBase(const std::string& base) const;
    // The journal, then `base` and every base this session made.
    void removeSession(const std::string& base) const;

    // Copies left behind by runs that did not end normally, newest first:
    // journals and copies of the older form; another user's are not ours.
    QStringList leftBehind() const;

    struct Journal {
        QString path;
        std::string stored; // the journal as written, header and edits
        QString base;
    };
    struct Damaged {
        QString keptAs; // where the unreadable copy was set aside
        QString why;
    };
    // Reads a copy left behind. One that cannot be read (damaged, too large
    // for the memory left, its base missing) is set aside, never deleted.
    std::variant<RecoveryCopy, Journal, Damaged> take(const QString& path) const;
    // Makes a session left behind this program's own, its journal cut to
    // `validBytes` (a torn last record goes): later edits are appended to it,
    // and its copy is never without an owner.
    QString adopt(const Journal& journal, std::size_t validBytes) const;
    // Removes a copy left behind, once it was restored or declined.
    void discard(const QString& path) const;

private:
    QString pathOf(const QString& suffix) const;
    // The folder and this session's lock, made again if they could not be
    // before (a file in the folder's place, since removed): false if not now.
    bool ready() const;

    QString folder_;
    QString name_; // this program's session, "<pid>-<token>"
    mutable int lock_ = -1;
};

} // namespace editor
