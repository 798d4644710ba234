#pragma once

#include <cstdint>
#include <memory>

namespace launch {

// Rows of 0xffRRGGBB words, as the toolkit decodes the splash picture.
struct Picture {
    const std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
};

// The start-up picture on an X11 screen before the toolkit is loaded, which
// takes most of the first tenth of a second: a window of its own whose
// background the X server paints, so it needs no event loop. It sits where
// the toolkit's splash will (see splashPlace), at the same size, so that one
// replaces the other unseen; it goes when the object does.
class EarlySplash {
public:
    // Nothing (null) without a local X display, where the toolkit would scale
    // its splash, or where the display cannot take the picture as it is.
    static std::unique_ptr<EarlySplash> show(const Picture& picture);

    struct Parts;
    explicit EarlySplash(std::unique_ptr<Parts> parts);
    ~EarlySplash();
    EarlySplash(const EarlySplash&) = delete;
    EarlySplash& operator=(const EarlySplash&) = delete;

private:
    std::unique_ptr<Parts> parts_;
};

} // namespace launch
