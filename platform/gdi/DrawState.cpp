#include "platform/gdi/DrawState.h"

#include "platform/gdi/DeviceContext.h"

namespace gdi {

bool DrawStateA(DeviceContext&, std::optional<Brush>, const Bitmap&, int, int, unsigned) {
    return false;
}
bool DrawStateA(DeviceContext&, std::optional<Brush>, const Icon&, int, int, unsigned) {
    return false;
}
void DrawIconEx(DeviceContext&, int, int, const Icon&, int, int) {}

} // namespace gdi
