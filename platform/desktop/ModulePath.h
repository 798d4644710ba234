#pragma once

#include <QString>

namespace platform {

// Where a module of the program lies: beside the program in a build, in the
// program's private library folder (OSTRA_MODULE_DIR under the prefix) once
// installed.
QString modulePath(const QString& fileName);

} // namespace platform
