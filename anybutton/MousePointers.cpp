#include "anybutton/MousePointers.h"

namespace anybutton {

std::optional<Qt::CursorShape> stockPointer(std::int16_t code) {
    struct Row {
        std::int16_t code;
        Qt::CursorShape shape;
    };
    // We choose: 4 (icon) is the arrow, as current desktops draw it, and 5
    // (size) the four-way arrow of 15, the pointer it became.
    static constexpr Row kPointers[] = {
        {1, Qt::ArrowCursor},    {2, Qt::CrossCursor},      {3, Qt::IBeamCursor},
        {4, Qt::ArrowCursor},    {5, Qt::SizeAllCursor},    {6, Qt::SizeBDiagCursor},
        {7, Qt::SizeVerCursor},  {8, Qt::SizeFDiagCursor},  {9, Qt::SizeHorCursor},
        {10, Qt::UpArrowCursor}, {11, Qt::WaitCursor},      {12, Qt::ForbiddenCursor},
        {13, Qt::BusyCursor},    {14, Qt::WhatsThisCursor}, {15, Qt::SizeAllCursor},
    };
    for (const Row& row : kPointers)
        if (row.code == code)
            return row.shape;
    return std::nullopt;
}

} // namespace anybutton
