#include "platform/gdi/objects/Region.h"

#include <algorithm>

namespace gdi {

namespace {

// Appends the parts of a not covered by b: bands above and below b, then the
// pieces left and right of b within its rows.
void subtractRect(const Rect& a, const Rect& b, std::vector<Rect>& out) {
    const Rect common = a.intersected(b);
    if (common.isEmpty()) {
        out.push_back(a);
        return;
    }
    if (a.top < common.top)
        out.push_back({a.left, a.top, a.right, common.top});
    if (common.bottom < a.bottom)
        out.push_back({a.left, common.bottom, a.right, a.bottom});
    if (a.left < common.left)
        out.push_back({a.left, common.top, common.left, common.bottom});
    if (common.right < a.right)
        out.push_back({common.right, common.top, a.right, common.bottom});
}

} // namespace

Region::Region(const Rect& rect) {
    if (!rect.isEmpty())
        rects_.push_back(rect);
}

bool Region::contains(int x, int y) const {
    return std::any_of(rects_.begin(), rects_.end(),
                       [x, y](const Rect& r) { return r.contains(x, y); });
}

Rect Region::boundingRect() const {
    if (rects_.empty())
        return {};
    Rect b = rects_.front();
    for (const Rect& r : rects_) {
        b.left = std::min(b.left, r.left);
        b.top = std::min(b.top, r.top);
        b.right = std::max(b.right, r.right);
        b.bottom = std::max(b.bottom, r.bottom);
    }
    return b;
}

Region Region::subtracted(const Region& other) const {
    std::vector<Rect> current = rects_;
    std::vector<Rect> next;
    for (const Rect& cut : other.rects_) {
        next.clear();
        for (const Rect& r : current)
            subtractRect(r, cut, next);
        current.swap(next);
    }
    Region result;
    result.rects_ = std::move(current);
    return result;
}

int Region::complexity() const {
    if (rects_.empty())
        return NULLREGION;
    return rects_.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

int CombineRgn(Region& dst, const Region& a, const Region& b, int mode) {
    if (mode != RGN_DIFF)
        return RGN_ERROR;
    dst = a.subtracted(b);
    return dst.complexity();
}

} // namespace gdi
