#pragma once

#include "platform/files/UniqueFd.h"

#include <QByteArray>

#include <optional>

#include <sys/types.h>

namespace editor {

// The temporary files a save makes beside its target: ".ostra-<pid>-<six
// letters>", short whatever the target's name (a name near the 255-byte
// limit still gets one), and locked while their save runs.
struct TempFile {
    QByteArray name;
    platform::UniqueFd fd;
};

// Creates one exclusively in the open folder, never through a symbolic link.
std::optional<TempFile> createTempFile(int folder, mode_t mode);

// Removes the temporary files of saves that died: names of our pattern whose
// process is gone and whose lock nobody holds (a process of another PID
// namespace still holds its lock).
void sweepDeadTempFiles(int folder);

} // namespace editor
