#include "anybutton/properties/ButtonLook.h"

#include <gtest/gtest.h>

using namespace anybutton;

namespace {

TEST(ButtonLook, EachLookSetsItsFlagsAndNameAndOnlyDisabledTurnsTheButtonOff) {
    const PictureRef hover = PictureRef::empty();
    struct Case {
        ButtonLook look;
        const char* name;
        int over, pressed;
        bool enabled;
    } cases[] = {
        {ButtonLook::Normal, "normal", 0, 0, true},      {ButtonLook::Hover, "hover", 1, 0, true},
        {ButtonLook::Pressed, "pressed", 1, 1, true},    {ButtonLook::Armed, "armed", 0, 1, true},
        {ButtonLook::Disabled, "disabled", 0, 0, false},
    };
    for (const Case& c : cases) {
        ButtonState s;
        s.g_IsOver = s.g_IsPressed = 1;
        s.g_PictureHover = hover;
        applyLook(s, c.look);
        EXPECT_EQ(s.g_IsOver, c.over) << c.name;
        EXPECT_EQ(s.g_IsPressed, c.pressed) << c.name;
        EXPECT_EQ(s.surfaceEnabled, c.enabled) << c.name;
        // Over the button the hover picture is the one shown.
        EXPECT_EQ(s.g_CurrentPicture.isEmpty(), c.over == 1) << c.name;
        EXPECT_EQ(lookName(c.look), QLatin1String(c.name));
        EXPECT_EQ(lookFromName(QLatin1String(c.name)), c.look);
    }
    EXPECT_EQ(lookFromName(QStringLiteral("Hover")), std::nullopt);
}

} // namespace
