#pragma once

#include <sys/stat.h>

namespace platform {

// Gives the open file `to` what made the file at `from` what it was: its owner and
// group, its permission bits and its extended attributes (ACLs are stored
// among them). False when any of them could not be carried over; `to` is
// then half made and only fit to be removed.
bool copyIdentity(const char* from, const struct stat& fromStat, int to);

} // namespace platform
