#include "anybutton/interaction/HeldKeyRelease.h"

#include <utility>

namespace anybutton {

bool HeldKeyRelease::continuesHold(std::int16_t keyCode, std::uint64_t timestamp, bool autoRepeat) {
    if (!held_ || held_->keyCode != keyCode || (!autoRepeat && held_->timestamp != timestamp))
        return false;
    held_.reset();
    return true;
}

std::optional<HeldKeyRelease::Release> HeldKeyRelease::take() {
    return std::exchange(held_, std::nullopt);
}

} // namespace anybutton
