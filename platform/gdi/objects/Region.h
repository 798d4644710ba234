#pragma once

#include "platform/gdi/objects/Rect.h"

#include <vector>

namespace gdi {

inline constexpr int RGN_DIFF = 4;

// Results of CombineRgn.
inline constexpr int RGN_ERROR = 0;
inline constexpr int NULLREGION = 1;
inline constexpr int SIMPLEREGION = 2;
inline constexpr int COMPLEXREGION = 3;

// A set of pixels held as disjoint rectangles.
class Region {
public:
    Region() = default;
    explicit Region(const Rect& rect);

    bool isEmpty() const { return rects_.empty(); }
    bool contains(int x, int y) const;
    const std::vector<Rect>& rects() const { return rects_; }
    Rect boundingRect() const;

    // Pixels of this region that are not in other.
    Region subtracted(const Region& other) const;

    // NULLREGION, SIMPLEREGION or COMPLEXREGION.
    int complexity() const;

private:
    std::vector<Rect> rects_;
};

inline Region CreateRectRgn(int left, int top, int right, int bottom) {
    return Region(Rect{left, top, right, bottom});
}

// Only RGN_DIFF is supported: dst = a minus b (dst may be a or b). Other modes
// leave dst alone and return RGN_ERROR.
int CombineRgn(Region& dst, const Region& a, const Region& b, int mode);

inline bool PtInRegion(const Region& r, int x, int y) {
    return r.contains(x, y);
}

} // namespace gdi
