#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace editor {

// The file operations recovery copies rest on: nothing follows a link, what
// is read is bounded by the memory left, what is renamed is durable.

// Syncs a folder, so that a rename in it survives a power cut.
void syncFolder(const QString& folder);

// The base a journal names, read from its header alone (empty when none).
std::string journalBaseName(const QString& journal);

// Reads a file whole, its size checked against the memory left first; says
// why in `error` when it cannot.
std::optional<std::string> readWhole(const QString& path, QString& error);

// Reads `fd` to its end in pieces, handing each to `sink` until it says
// stop; false on a read error.
bool readPieces(int fd, const std::function<bool(std::string_view)>& sink);

// The length and content digest of a file's bytes (as a base's checksum is
// kept); none when it cannot be read. A link is followed only when asked
// (the document's own file may be one; nothing in the recovery folder is).
enum class Links { Refuse, Follow };
struct MeasuredFile {
    std::uint64_t length = 0;
    std::uint64_t checksum = 0;
};
std::optional<MeasuredFile> measureFile(const QString& path, Links links = Links::Refuse);

// Makes `from` durable as `to`: synced, renamed, its folder synced. Returns
// why it failed (and removes `from`), or an empty text.
QString durableRename(const QString& from, const QString& to, const QString& folder);

} // namespace editor
