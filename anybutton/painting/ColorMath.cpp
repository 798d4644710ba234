#include "anybutton/painting/ColorMath.h"

#include <cmath>

namespace anybutton {

namespace {
std::int64_t clampByte(std::int64_t v) {
    return v < 0 ? 0 : (v > 255 ? 255 : v);
}

int toComponent(double v) {
    // Rounded to a 16-bit integer first, as the composition's arguments are.
    double r = std::nearbyint(v);
    if (r > 255)
        return 255;
    if (r < 0)
        return 0;
    return static_cast<int>(r);
}
} // namespace

gdi::COLORREF ResolveColor(OleColor value, const gdi::SystemColors& colors) {
    if (value >= 0 && value <= 0x00FFFFFF)
        return static_cast<gdi::COLORREF>(value);
    return colors.GetSysColor(static_cast<int>(static_cast<std::uint32_t>(value) & 0x00FFFFFFu));
}

OleColor ShadeColor(OleColor value, std::int32_t amount) {
    const std::int64_t v = value;
    // Truncating division and a remainder with the dividend's sign: for an RGB value
    // these are its three bytes.
    const std::int64_t blue = (v / 65536) % 256;
    const std::int64_t green = (v / 256) % 256;
    const std::int64_t red = v & 255;
    const std::int64_t b = clampByte(blue + (blue * amount) / 192);
    const std::int64_t g = clampByte(green + amount);
    const std::int64_t r = clampByte(red + amount);
    return static_cast<OleColor>(r + 256 * g + 65536 * b);
}

ColorParts SplitColor(OleColor value) {
    const double v = value;
    ColorParts p;
    p.Blue = std::trunc(v / 65536.0);
    p.Green = std::trunc((v - p.Blue * 65536.0) / 256.0);
    p.Red = v - p.Blue * 65536.0 - p.Green * 256.0;
    return p;
}

gdi::COLORREF ComposeColor(double red, double green, double blue) {
    return gdi::RGB(toComponent(red), toComponent(green), toComponent(blue));
}

gdi::COLORREF LiftColor(OleColor value, std::int32_t d) {
    const ColorParts p = SplitColor(value);
    return ComposeColor(p.Red + d, p.Green + d, p.Blue + d);
}

} // namespace anybutton
