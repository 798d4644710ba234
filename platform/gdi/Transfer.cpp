#include "platform/gdi/Transfer.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

namespace gdi {

namespace {

enum class Conversion { None, ColorToMono, MonoToColor };

struct Copy {
    static COLORREF apply(COLORREF s, COLORREF) { return s; }
};
struct CopyInverted {
    static COLORREF apply(COLORREF s, COLORREF) { return ~s & kColorBits; }
};
struct And {
    static COLORREF apply(COLORREF s, COLORREF d) { return s & d; }
};
struct Xor {
    static COLORREF apply(COLORREF s, COLORREF d) { return s ^ d; }
};

struct ConvertColors {
    COLORREF sourceBk, one, zero;
};

// The source pixel in the destination's format; the kind is fixed at compile
// time so the inner loops carry no branch on it.
template <Conversion K> struct Convert {
    const ConvertColors& c;
    COLORREF operator()(COLORREF s) const {
        if constexpr (K == Conversion::ColorToMono)
            return s == c.sourceBk ? Bitmap::kMonoOne : 0;
        else if constexpr (K == Conversion::MonoToColor)
            return s != 0 ? c.one : c.zero;
        else
            return s;
    }
};

// Source pixels [begin, end) that make up each destination pixel along one axis,
// clipped to the source bitmap.
struct AxisMap {
    std::vector<int> begin, end;
};

AxisMap mapAxis(int destSize, int srcStart, int srcSize, int srcLimit) {
    AxisMap m;
    m.begin.resize(static_cast<std::size_t>(destSize));
    m.end.resize(static_cast<std::size_t>(destSize));
    const std::int64_t s = srcSize, d = destSize;
    if (destSize >= srcSize) {
        for (int i = 0; i < destSize; ++i) {
            const int j = static_cast<int>(((2 * i + 1) * s - 1) / (2 * d));
            m.begin[i] = srcStart + j;
            m.end[i] = srcStart + j + 1;
        }
    } else {
        std::fill(m.begin.begin(), m.begin.end(), std::numeric_limits<int>::max());
        std::fill(m.end.begin(), m.end.end(), std::numeric_limits<int>::min());
        for (int j = 0; j < srcSize; ++j) {
            const auto i = static_cast<std::size_t>(((2 * j + 1) * d - 1) / (2 * s));
            m.begin[i] = std::min(m.begin[i], srcStart + j);
            m.end[i] = std::max(m.end[i], srcStart + j + 1);
        }
    }
    for (int i = 0; i < destSize; ++i) {
        m.begin[i] = std::max(m.begin[i], 0);
        m.end[i] = std::min(m.end[i], srcLimit);
    }
    return m;
}

template <class Op, class Conv>
void copyRows(Bitmap& dst, int x0, int x1, int y0, int y1, const Bitmap& src, int offX, int offY,
              const Conv& convert) {
    for (int y = y0; y < y1; ++y) {
        COLORREF* d = dst.row(y);
        const COLORREF* s = src.row(y + offY) + offX;
        for (int x = x0; x < x1; ++x)
            d[x] = Op::apply(convert(s[x]), d[x]);
    }
}

template <class Op, class Conv>
void stretchRows(Bitmap& dst, int x, int y, int width, int height, const Bitmap& src,
                 const AxisMap& cols, const AxisMap& rows, const Conv& convert) {
    const int i0 = std::max(0, -x), i1 = std::min(width, dst.width() - x);
    const int j0 = std::max(0, -y), j1 = std::min(height, dst.height() - y);
    for (int j = j0; j < j1; ++j) {
        COLORREF* d = dst.row(y + j) + x;
        const int rb = rows.begin[j], re = rows.end[j];
        if (rb >= re)
            continue;
        for (int i = i0; i < i1; ++i) {
            const int cb = cols.begin[i], ce = cols.end[i];
            if (cb >= ce)
                continue;
            if (rb + 1 == re && cb + 1 == ce) {
                d[i] = Op::apply(convert(src.pixel(cb, rb)), d[i]);
                continue;
            }
            COLORREF acc = kColorBits;
            for (int sy = rb; sy < re; ++sy) {
                const COLORREF* s = src.row(sy);
                for (int sx = cb; sx < ce; ++sx)
                    acc &= convert(s[sx]);
            }
            d[i] = Op::apply(acc, d[i]);
        }
    }
}

template <class Op, class Conv>
void run(Bitmap& dst, int x, int y, int width, int height, const Bitmap& src, int srcX, int srcY,
         int srcWidth, int srcHeight, const Conv& convert) {
    if (width == srcWidth && height == srcHeight) {
        // Destination pixels whose source pixel lies outside the source stay as they were.
        const int x0 = std::max({x, 0, x - srcX});
        const int x1 = std::min({x + width, dst.width(), x + src.width() - srcX});
        const int y0 = std::max({y, 0, y - srcY});
        const int y1 = std::min({y + height, dst.height(), y + src.height() - srcY});
        if (x0 < x1 && y0 < y1)
            copyRows<Op>(dst, x0, x1, y0, y1, src, srcX - x, srcY - y, convert);
        return;
    }
    // We choose: formats are converted pixel by pixel before shrinking ANDs them.
    const AxisMap cols = mapAxis(width, srcX, srcWidth, src.width());
    const AxisMap rows = mapAxis(height, srcY, srcHeight, src.height());
    stretchRows<Op>(dst, x, y, width, height, src, cols, rows, convert);
}

template <class Conv>
void dispatch(Bitmap& dst, int x, int y, int width, int height, const Bitmap& src, int srcX,
              int srcY, int srcWidth, int srcHeight, RasterOp rop, const Conv& convert) {
    switch (rop) {
    case SRCCOPY:
        run<Copy>(dst, x, y, width, height, src, srcX, srcY, srcWidth, srcHeight, convert);
        break;
    case NOTSRCCOPY:
        run<CopyInverted>(dst, x, y, width, height, src, srcX, srcY, srcWidth, srcHeight, convert);
        break;
    case SRCAND:
        run<And>(dst, x, y, width, height, src, srcX, srcY, srcWidth, srcHeight, convert);
        break;
    case SRCINVERT:
        run<Xor>(dst, x, y, width, height, src, srcX, srcY, srcWidth, srcHeight, convert);
        break;
    default:
        break;
    }
}

} // namespace

bool isSupportedRasterOp(RasterOp rop) {
    return rop == SRCCOPY || rop == NOTSRCCOPY || rop == SRCAND || rop == SRCINVERT;
}

void transferPixels(Bitmap& dst, int x, int y, int width, int height, const Bitmap& srcIn, int srcX,
                    int srcY, int srcWidth, int srcHeight, RasterOp rop,
                    const TransferColors& colors) {
    // A transfer within one bitmap reads a snapshot so overlapping areas copy correctly.
    std::optional<Bitmap> snapshot;
    if (&srcIn == &dst)
        snapshot.emplace(srcIn);
    const Bitmap& src = snapshot ? *snapshot : srcIn;

    const ConvertColors c{colors.sourceBk, colors.destBk & kColorBits,
                          colors.destText & kColorBits};
    if (!src.isMono() && dst.isMono())
        dispatch(dst, x, y, width, height, src, srcX, srcY, srcWidth, srcHeight, rop,
                 Convert<Conversion::ColorToMono>{c});
    else if (src.isMono() && !dst.isMono())
        dispatch(dst, x, y, width, height, src, srcX, srcY, srcWidth, srcHeight, rop,
                 Convert<Conversion::MonoToColor>{c});
    else
        dispatch(dst, x, y, width, height, src, srcX, srcY, srcWidth, srcHeight, rop,
                 Convert<Conversion::None>{c});
}

} // namespace gdi
