#include "shell/CommandLine.h"

#include "core/AppIdentity.h"

// Apart from the rest of the command line, which the launcher shares
// without Qt.
namespace shell {

std::string versionText() {
    return "Feldt Ostra " + core::kAppVersion.toStdString() + "\n";
}

} // namespace shell
