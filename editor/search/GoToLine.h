#pragma once

#include <QString>

#include <optional>

namespace editor {

// What the user typed into Go to Line: "120", or "120:5" for a column too.
// Both 1-based; a column left out is 1. Nothing for anything else.
struct LineColumn {
    long line = 1;
    long column = 1;
};
std::optional<LineColumn> parseLineColumn(const QString& typed);

} // namespace editor
