#pragma once

#include "editor/document/FileStamp.h"

#include <QString>

#include <cstdint>

#include <sys/stat.h>

namespace editor {

// The file as the document last read or wrote it, to tell another
// program's change from our own.
struct DiskVersion {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};
    std::uint64_t digest = 0;

    static DiskVersion of(const struct stat& st, std::uint64_t digest);
    // What tells this version from another without reading it; none when
    // there was no file.
    FileStamp stamp() const;
};

enum class DiskChange { Same, Changed, Missing };

// Compares the file at path with the version known. A different size is a
// change; when only the times or the inode differ (a touch, a copy back, a
// save by a program that renames), or the times are too coarse to tell, the
// content's digest decides, and the same content becomes the known version.
DiskChange compareWithDisk(const QString& path, DiskVersion& known);

// The file at path as it is now (its digest read whole); a version that does
// not exist when it cannot be read.
DiskVersion currentDiskVersion(const QString& path);

} // namespace editor
