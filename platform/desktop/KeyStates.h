#pragma once

#include <optional>

namespace platform {

enum class LockKey { NumLock, CapsLock, ScrollLock };

// Reads the keyboard's lock indicators. Returns nothing where the windowing
// system cannot report them (Wayland, the offscreen platform).
std::optional<bool> lockKeyState(LockKey key);

} // namespace platform
