#pragma once

#include "anybutton/PaintContext.h"

namespace anybutton {

// Picture, caption and transparent-background layers. Not drawn yet: these
// keep their place in Refresh and draw nothing until the content layer lands.
void LayoutContent(PaintContext& ctx);
void DrawPicture(PaintContext& ctx);
void DrawCaption(PaintContext& ctx);
void CopyParentBackground(PaintContext& ctx);

} // namespace anybutton
