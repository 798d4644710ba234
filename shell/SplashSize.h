#pragma once

namespace shell {

// The splash picture's size in pixels: the splash window's, and the size the
// build holds the picture to for the launcher's early copy of it.
inline constexpr int kSplashWidth = 450;
inline constexpr int kSplashHeight = 290;

} // namespace shell
