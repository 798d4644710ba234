#include "platform/gdi/raster/Transfer.h"

#include "platform/gdi/raster/PixelOps.h"

#include <algorithm>
#include <cstdint>
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

using i64 = std::int64_t;

i64 ceilDiv(i64 a, i64 b) {
    return a >= 0 ? (a + b - 1) / b : -((-a) / b);
}

// The source pixels [begin, end) that make up destination pixels first..last-1
// along one axis, clipped to the source bitmap (an empty range when none is
// inside). Only visible destination pixels are mapped, so huge sizes cost nothing.
struct AxisMap {
    std::vector<int> begin, end;
};

AxisMap mapAxis(int first, int last, i64 destSize, i64 srcStart, i64 srcSize, i64 srcLimit) {
    AxisMap m;
    const auto count = static_cast<std::size_t>(last - first);
    m.begin.resize(count);
    m.end.resize(count);
    for (std::size_t k = 0; k < count; ++k) {
        const i64 i = first + static_cast<i64>(k);
        i64 b, e;
        if (destSize >= srcSize) {
            b = ((2 * i + 1) * srcSize - 1) / (2 * destSize);
            e = b + 1;
        } else {
            // The source pixels j with floor(((2j + 1) D - 1) / 2S) == i.
            b = std::max<i64>(0, ceilDiv(2 * srcSize * i + 1 - destSize, 2 * destSize));
            e = std::min(srcSize, ceilDiv(2 * srcSize * (i + 1) + 1 - destSize, 2 * destSize));
        }
        m.begin[k] = static_cast<int>(std::clamp<i64>(srcStart + b, 0, srcLimit));
        m.end[k] = static_cast<int>(std::clamp<i64>(srcStart + e, 0, srcLimit));
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
void stretchRows(Bitmap& dst, int x0, int y0, const Bitmap& src, const AxisMap& cols,
                 const AxisMap& rows, const Conv& convert) {
    // Enlarging columns take one source pixel each: a plain gather per row.
    bool singleColumns = true;
    for (std::size_t i = 0; i < cols.begin.size(); ++i)
        singleColumns = singleColumns && cols.end[i] - cols.begin[i] <= 1;
    for (std::size_t j = 0; j < rows.begin.size(); ++j) {
        const int rb = rows.begin[j], re = rows.end[j];
        if (rb >= re)
            continue;
        COLORREF* d = dst.row(y0 + static_cast<int>(j)) + x0;
        if (singleColumns && re == rb + 1) {
            const COLORREF* s = src.row(rb);
            for (std::size_t i = 0; i < cols.begin.size(); ++i)
                if (cols.begin[i] < cols.end[i])
                    d[i] = Op::apply(convert(s[cols.begin[i]]), d[i]);
            continue;
        }
        for (std::size_t i = 0; i < cols.begin.size(); ++i) {
            const int cb = cols.begin[i], ce = cols.end[i];
            if (cb >= ce)
                continue;
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
    // Coordinates in 64 bits: position plus size may pass the 32-bit range.
    if (width == srcWidth && height == srcHeight) {
        // Destination pixels whose source pixel lies outside the source stay as they were.
        auto area = clipPlacement(dst, x, y, width, height);
        const i64 offX = i64{srcX} - x, offY = i64{srcY} - y;
        if (area)
            area = clipArea(-offX, -offY, src.width() - offX, src.height() - offY, *area);
        if (area)
            copyRows<Op>(dst, area->left, area->right, area->top, area->bottom, src,
                         static_cast<int>(offX), static_cast<int>(offY), convert);
        return;
    }
    const auto area = clipPlacement(dst, x, y, width, height);
    if (!area)
        return;
    // We choose: formats are converted pixel by pixel before shrinking ANDs them.
    const AxisMap cols =
        mapAxis(static_cast<int>(i64{area->left} - x), static_cast<int>(i64{area->right} - x),
                width, srcX, srcWidth, src.width());
    const AxisMap rows =
        mapAxis(static_cast<int>(i64{area->top} - y), static_cast<int>(i64{area->bottom} - y),
                height, srcY, srcHeight, src.height());
    stretchRows<Op>(dst, area->left, area->top, src, cols, rows, convert);
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
