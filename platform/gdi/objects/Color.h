#pragma once

#include <cstdint>

namespace gdi {

// 0x00BBGGRR, red in the low byte. With the high bit set the value names a
// system colour by the index in its low 24 bits.
using COLORREF = std::uint32_t;

inline constexpr COLORREF kColorBits = 0x00FFFFFF;
inline constexpr COLORREF kSystemColorFlag = 0x80000000;
inline constexpr COLORREF kWhite = 0x00FFFFFF;
inline constexpr COLORREF kBlack = 0x00000000;

// Components outside 0..255 are clamped, as the button's colour arithmetic expects.
constexpr COLORREF RGB(int r, int g, int b) {
    auto clamp = [](int v) { return static_cast<COLORREF>(v < 0 ? 0 : (v > 255 ? 255 : v)); };
    return clamp(r) | (clamp(g) << 8) | (clamp(b) << 16);
}

constexpr int GetRValue(COLORREF c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GetGValue(COLORREF c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int GetBValue(COLORREF c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

// Rounded blend of over onto under, channel by channel: alpha 0 keeps under,
// 255 gives over.
constexpr COLORREF blend(COLORREF over, unsigned alpha, COLORREF under) {
    COLORREF out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const unsigned s = (over >> shift) & 0xFF, d = (under >> shift) & 0xFF;
        out |= ((s * alpha + d * (255 - alpha) + 127) / 255) << shift;
    }
    return out;
}

constexpr bool isSystemColorReference(COLORREF c) {
    return (c & kSystemColorFlag) != 0;
}

} // namespace gdi
