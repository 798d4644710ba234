#include "anybutton/ContentPainters.h"

namespace anybutton {

// TODO(content layer): layout, picture, caption and parent-background copy.
void LayoutContent(PaintContext&) {}
void DrawPicture(PaintContext&) {}
void DrawCaption(PaintContext&) {}
void CopyParentBackground(PaintContext&) {}

} // namespace anybutton
