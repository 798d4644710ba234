#include "anybutton/properties/ButtonLook.h"

#include <cstddef>
#include <iterator>

namespace anybutton {

namespace {

struct LookRow {
    ButtonLook look;
    const char* name;
    bool over;
    bool pressed;
};

constexpr LookRow kLooks[] = {
    {ButtonLook::Normal, "normal", false, false},     {ButtonLook::Hover, "hover", true, false},
    {ButtonLook::Pressed, "pressed", true, true},     {ButtonLook::Armed, "armed", false, true},
    {ButtonLook::Disabled, "disabled", false, false},
};

// The rows are found by the look's value: the compiler checks the order.
constexpr bool inEnumOrder() {
    for (std::size_t i = 0; i < std::size(kLooks); ++i)
        if (static_cast<std::size_t>(kLooks[i].look) != i)
            return false;
    return true;
}
static_assert(inEnumOrder(), "kLooks lists the looks in the order of ButtonLook");

const LookRow& rowOf(ButtonLook look) {
    return kLooks[static_cast<int>(look)];
}

} // namespace

void applyLook(ButtonState& s, ButtonLook look) {
    const LookRow& row = rowOf(look);
    s.g_IsOver = row.over ? 1 : 0;
    s.g_IsPressed = row.pressed ? 1 : 0;
    if (row.over && !s.g_PictureHover.isNull())
        s.g_CurrentPicture = s.g_PictureHover;
    if (look == ButtonLook::Disabled)
        s.surfaceEnabled = false;
}

QString lookName(ButtonLook look) {
    return QString::fromLatin1(rowOf(look).name);
}

std::optional<ButtonLook> lookFromName(const QString& name) {
    for (const LookRow& row : kLooks)
        if (name == QLatin1String(row.name))
            return row.look;
    return std::nullopt;
}

} // namespace anybutton
