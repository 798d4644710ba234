#pragma once

#include <QIcon>

namespace shell {

// Registers the shell's resources (splash, icons, the about box's design);
// safe to call again.
void initShellResources();

// The program's icon in every size it ships (from scripts/make-icon.py): the
// application's own once it has been given one, else decoded afresh.
QIcon programIcon();

} // namespace shell
