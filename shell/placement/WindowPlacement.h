#pragma once

#include "editor/PlacementMemory.h"

#include <QString>

class QWidget;

namespace platform {
class SettingsStore;
}

namespace shell {

class PlacementTarget;

// Remembers one window's size, position and state under its own settings
// section. `window` is the outer window: the top-level frame, or the MDI
// sub-window around a document; `inner` is its client area.
class WindowPlacement final : public editor::PlacementMemory {
public:
    WindowPlacement(platform::SettingsStore& store, QString section);

    void SavePlacement(const PlacementTarget& window) const;
    // Applies the stored values; a window they would put partly outside its
    // screen's available area (a frame) or its parent's client area (a
    // document window) is moved, and a frame then shrunk, just enough to fit.
    void RestorePlacement(PlacementTarget& window) const;
    // Fits a window in its normal state as RestorePlacement does; the store
    // is not read or written.
    void keepInside(PlacementTarget& window) const;

    void SavePlacement(QWidget& window) override;
    void RestorePlacement(QWidget& window, const QWidget& inner) override;
    void keepInside(QWidget& window);

private:
    platform::SettingsStore& store_;
    QString section_;
};

} // namespace shell
