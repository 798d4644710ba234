#include "editor/document/DiskVersion.h"

#include "core/text/PathBytes.h"
#include "platform/files/ContentDigest.h"
#include "platform/files/UniqueFd.h"

#include <fcntl.h>

namespace editor {

namespace {

bool sameTime(const timespec& a, const timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

} // namespace

DiskVersion DiskVersion::of(const struct stat& st, std::uint64_t digest) {
    return {true, st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_ctim, digest};
}

FileStamp DiskVersion::stamp() const {
    if (!exists)
        return {};
    return {static_cast<std::int64_t>(size),
            static_cast<std::int64_t>(modified.tv_sec) * 1'000'000'000 + modified.tv_nsec,
            static_cast<std::uint64_t>(device), static_cast<std::uint64_t>(inode)};
}

DiskChange compareWithDisk(const QString& path, DiskVersion& known) {
    const QByteArray name = core::pathBytes(path);
    // Opened without blocking: whatever now sits at the path is only looked at.
    platform::UniqueFd fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    if (!fd || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return known.exists ? DiskChange::Missing : DiskChange::Same;
    if (!known.exists)
        return DiskChange::Changed; // back after it was gone
    if (st.st_size != known.size)
        return DiskChange::Changed;
    // Nanoseconds of zero: a file system whose times cannot show a second
    // write within the same second.
    const bool fineTimes = st.st_mtim.tv_nsec != 0;
    if (fineTimes && st.st_dev == known.device && st.st_ino == known.inode &&
        sameTime(st.st_mtim, known.modified) && sameTime(st.st_ctim, known.changed))
        return DiskChange::Same;
    const auto digest = platform::ContentDigest::ofFile(fd.get());
    if (!digest || *digest != known.digest)
        return DiskChange::Changed;
    known = DiskVersion::of(st, *digest);
    return DiskChange::Same;
}

DiskVersion currentDiskVersion(const QString& path) {
    platform::UniqueFd fd(
        ::open(core::pathBytes(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    if (!fd || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return {};
    const auto digest = platform::ContentDigest::ofFile(fd.get());
    return digest ? DiskVersion::of(st, *digest) : DiskVersion{};
}

} // namespace editor
