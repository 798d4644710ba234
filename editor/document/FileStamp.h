#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace editor {

// What tells one version of a file from another without reading it: size,
// modification time, and which file it is.
struct FileStamp {
    std::int64_t size = -1;
    std::int64_t timeNs = 0;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;

    bool operator==(const FileStamp& o) const {
        return size == o.size && timeNs == o.timeNs && device == o.device && inode == o.inode;
    }
    bool operator!=(const FileStamp& o) const { return !(*this == o); }
};

// The stamp of the file at `path` as it is now (symbolic links followed);
// none when there is no such file.
std::optional<FileStamp> stampOf(const QString& path);

} // namespace editor
