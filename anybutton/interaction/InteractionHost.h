#pragma once

#include "platform/desktop/SoundPlayer.h"
#include "platform/desktop/UrlOpener.h"

namespace anybutton {

using platform::SoundPlayer;
using platform::UrlOpener;

// What the interaction logic needs from the window it runs in.
class InteractionHost {
public:
    virtual ~InteractionHost() = default;

    // OverTimer: ticks every 10 ms while started.
    virtual void startOverTimer() = 0;
    virtual void stopOverTimer() = 0;
    // Whether the window under the pointer is the button's own; a hidden or
    // disabled button never is.
    virtual bool pointerOverOwnWindow() const = 0;
    // Runs pending paint and input events before returning.
    virtual void processPendingMessages() = 0;
    // Keeps the pointer until the next release, wherever it happens.
    virtual void capturePointer() = 0;

    virtual SoundPlayer& sounds() = 0;
    virtual UrlOpener& urls() = 0;
};

} // namespace anybutton
