#pragma once

#include "platform/gdi/objects/Color.h"

#include <array>

class QPalette;

namespace gdi {

inline constexpr int COLOR_APPWORKSPACE = 12;
inline constexpr int COLOR_HIGHLIGHT = 13;
inline constexpr int COLOR_BTNFACE = 15;
inline constexpr int COLOR_BTNSHADOW = 16;
inline constexpr int COLOR_BTNTEXT = 18;
inline constexpr int COLOR_BTNHIGHLIGHT = 20;
inline constexpr int COLOR_3DDKSHADOW = 21;
inline constexpr int COLOR_3DLIGHT = 22;

// The system-colour table a device context resolves references through. A
// value type: tests and the render tool use pinned(), the running program
// fromPalette(); nothing process-wide.
class SystemColors {
public:
    static constexpr int kCount = 31;

    // Every index black.
    SystemColors() = default;

    static SystemColors pinned();
    // What a dark desktop (Adwaita dark) gives through fromPalette.
    static SystemColors pinnedDark();
    static SystemColors fromPalette(const QPalette& palette);

    // Black for an index outside the table.
    COLORREF GetSysColor(int index) const;
    void setColor(int index, COLORREF rgb);

    // A reference (high bit set) becomes the colour at its low 24 bits; an RGB
    // value comes back unchanged.
    COLORREF resolve(COLORREF c) const {
        return isSystemColorReference(c) ? GetSysColor(static_cast<int>(c & kColorBits)) : c;
    }

    friend bool operator==(const SystemColors& a, const SystemColors& b) {
        return a.colors_ == b.colors_;
    }

private:
    std::array<COLORREF, kCount> colors_{};
};

inline COLORREF GetSysColor(const SystemColors& colors, int index) {
    return colors.GetSysColor(index);
}

} // namespace gdi
