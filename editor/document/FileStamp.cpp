#include "editor/document/FileStamp.h"

#include "core/text/PathBytes.h"

#include <sys/stat.h>

namespace editor {

std::optional<FileStamp> stampOf(const QString& path) {
    struct stat st {};
    if (path.isEmpty() || ::stat(core::pathBytes(path).constData(), &st) != 0)
        return std::nullopt;
    return FileStamp{static_cast<std::int64_t>(st.st_size),
                     static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 +
                         st.st_mtim.tv_nsec,
                     static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
}

} // namespace editor
