#pragma once

#include "editor/PlacementMemory.h"

// Placement memory that only counts what the document window asks of it.
class RecordingPlacement final : public editor::PlacementMemory {
public:
    int saves = 0;
    int restores = 0;

    void SavePlacement(QWidget&) override { ++saves; }
    void RestorePlacement(QWidget&, const QWidget&) override { ++restores; }
};
