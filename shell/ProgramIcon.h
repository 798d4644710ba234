#pragma once

#include <QIcon>

namespace shell {

// The program's icon in every size it ships (from scripts/make-icon.py).
QIcon programIcon();

} // namespace shell
