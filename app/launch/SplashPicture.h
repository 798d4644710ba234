#pragma once

#include "app/launch/EarlySplash.h"

namespace launch {

// The splash picture built into the launcher, as the toolkit decodes it.
Picture splashPicture();

// Once the splash has gone: the picture's pages leave the process's
// resident memory (half a megabyte). They stay readable; a later read
// brings them back from the executable.
void releaseSplashPicture();

} // namespace launch
