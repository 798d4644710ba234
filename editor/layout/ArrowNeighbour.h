#pragma once

#include <QRect>

#include <cstddef>
#include <optional>
#include <vector>

namespace editor {

enum class ArrowDirection { Left, Right, Up, Down };

// The place an arrow key moves to from places[from], among places laid out
// like a grid: the nearest one further that way which lies in line with it
// (either one's middle falls within the other's extent across the way), the
// one most in line on a tie; none at the edge.
std::optional<std::size_t> neighbourTowards(const std::vector<QRect>& places, std::size_t from,
                                            ArrowDirection direction);

} // namespace editor
