#pragma once

#include "app/launch/EarlySplash.h"

namespace launch {

// The splash picture built into the launcher, as the toolkit decodes it.
Picture splashPicture();

} // namespace launch
