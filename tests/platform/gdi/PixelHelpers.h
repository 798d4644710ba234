#pragma once

#include "platform/gdi/objects/DeviceContext.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace gdi::test {

// A context holding a fresh bitmap filled with fill.
inline DeviceContext makeDc(int w, int h, COLORREF fill = kWhite,
                            BitmapFormat format = BitmapFormat::Color) {
    DeviceContext dc(SystemColors::pinned());
    auto bitmap = std::make_shared<Bitmap>(w, h, format);
    bitmap->fill(fill);
    dc.selectBitmap(std::move(bitmap));
    return dc;
}

// The bitmap as rows of characters, one per pixel, from a legend; pixels not
// in the legend show as '?'.
inline std::vector<std::string> picture(const Bitmap& b, const std::map<COLORREF, char>& legend) {
    std::vector<std::string> rows;
    for (int y = 0; y < b.height(); ++y) {
        std::string row;
        for (int x = 0; x < b.width(); ++x) {
            const auto it = legend.find(b.pixel(x, y));
            row += it == legend.end() ? '?' : it->second;
        }
        rows.push_back(row);
    }
    return rows;
}

// Fills a bitmap from rows of characters through a legend.
inline void paint(Bitmap& b, const std::vector<std::string>& rows,
                  const std::map<char, COLORREF>& legend) {
    for (int y = 0; y < static_cast<int>(rows.size()); ++y)
        for (int x = 0; x < static_cast<int>(rows[y].size()); ++x)
            b.setPixel(x, y, legend.at(rows[y][x]));
}

using Rows = std::vector<std::string>;

inline constexpr COLORREF kRed = RGB(255, 0, 0);
inline constexpr COLORREF kBlue = RGB(0, 0, 255);
inline constexpr COLORREF kGreen = RGB(0, 255, 0);

} // namespace gdi::test
