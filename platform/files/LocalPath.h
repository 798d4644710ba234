#pragma once

#include <QString>
#include <QUrl>

#include <optional>

namespace platform {

// Local paths travel as QStrings that keep every byte of their name (see
// core/text/PathBytes.h); these turn them into and out of what Qt hands on.

// The file:// URL of a path, its bytes percent-encoded as they are.
QUrl fileUrl(const QString& path);
// The path a file URL names, its bytes kept; nothing for other URLs.
std::optional<QString> localPath(const QUrl& url);
// Qt's file dialogs show a name that is not UTF-8 with U+FFFD for each bad
// sequence, and return it so. Each such component that does not exist is
// matched against its folder; the one entry it stands for replaces it. The
// path comes back unchanged when it exists or no entry matches uniquely.
QString recoverDialogPath(const QString& path);
// A relative path made absolute against the current folder, its bytes kept.
// Symbolic links are not resolved and ".." is kept: "a/../b" names what the
// file system makes of it. Leading "./" components are dropped.
QString absolutePath(const QString& path);

} // namespace platform
