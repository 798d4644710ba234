#pragma once

class QWidget;

namespace editor {

// Remembers the document window's size, position and state between runs.
// The application shell provides it; `window` is the outer window (the MDI
// sub-window around the document), `inner` its client area.
class PlacementMemory {
public:
    virtual ~PlacementMemory() = default;
    virtual void SavePlacement(QWidget& window) = 0;
    virtual void RestorePlacement(QWidget& window, const QWidget& inner) = 0;
};

} // namespace editor
