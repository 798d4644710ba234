#include "editor/layout/ArrowNeighbour.h"

#include <cstdlib>
#include <tuple>

namespace editor {

namespace {

// A place seen along the way of the arrow: where its middle lies along it,
// and its extent and middle across it. Twice the coordinates, so that
// middles stay whole numbers.
struct Seen {
    int along;
    int acrossLow;
    int acrossHigh;
    int acrossMiddle;
};

Seen seen(const QRect& r, ArrowDirection d) {
    const bool horizontal = d == ArrowDirection::Left || d == ArrowDirection::Right;
    const int sign = d == ArrowDirection::Left || d == ArrowDirection::Up ? -1 : 1;
    const int alongLow = horizontal ? r.left() : r.top();
    const int alongHigh = horizontal ? r.right() + 1 : r.bottom() + 1;
    const int low = horizontal ? r.top() : r.left();
    const int high = horizontal ? r.bottom() + 1 : r.right() + 1;
    return {sign * (alongLow + alongHigh), 2 * low, 2 * high, low + high};
}

bool within(int value, int low, int high) {
    return value >= low && value < high;
}

} // namespace

std::optional<std::size_t> neighbourTowards(const std::vector<QRect>& places, std::size_t from,
                                            ArrowDirection direction) {
    if (from >= places.size())
        return std::nullopt;
    const Seen origin = seen(places[from], direction);
    std::optional<std::size_t> best;
    std::tuple<int, int> bestDistance;
    for (std::size_t i = 0; i < places.size(); ++i) {
        const Seen s = seen(places[i], direction);
        const bool inLine = within(s.acrossMiddle, origin.acrossLow, origin.acrossHigh) ||
                            within(origin.acrossMiddle, s.acrossLow, s.acrossHigh);
        if (i == from || s.along <= origin.along || !inLine)
            continue;
        const std::tuple distance{s.along - origin.along,
                                  std::abs(s.acrossMiddle - origin.acrossMiddle)};
        if (!best || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace editor
