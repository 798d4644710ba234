#pragma once

#include "RenderOptions.h"

#include <QImage>
#include <QStringList>

#include <optional>

namespace anybutton::render {

struct RenderOutput {
    QImage image;       // client size, transparent outside the window region
    QStringList layout; // "name left top right bottom"
};

// Builds the button through its load step and paints it in the requested
// state. Returns nullopt with a message when a file cannot be read or a value
// cannot be loaded.
std::optional<RenderOutput> renderButton(const RenderOptions& options, QString& error);

} // namespace anybutton::render
