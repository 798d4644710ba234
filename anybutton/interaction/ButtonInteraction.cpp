#include "anybutton/interaction/ButtonInteraction.h"

namespace anybutton {

namespace {
constexpr std::int16_t kRightButton = 2;
constexpr std::int16_t kLeftButton = 1;
} // namespace

ButtonInteraction::ButtonInteraction(AnyButtonControl& control, ButtonEvents& events,
                                     InteractionHost& host)
    : control_(control), s_(control.state()), events_(events), host_(host) {}

bool ButtonInteraction::inside(float x, float y) const {
    return x >= 0 && y >= 0 && x < s_.clientWidth && y < s_.clientHeight;
}

void ButtonInteraction::MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    if (inside(x, y) && s_.g_IsOver == 0) {
        host_.startOverTimer();
        s_.g_IsOver = 1;
        if (!s_.g_PictureHover.isNull())
            s_.g_CurrentPicture = s_.g_PictureHover;
        events_.MouseIn(shift);
        control_.Refresh();
        // Paint before the sound starts; other handlers may run here.
        host_.processPendingMessages();
        PlaySoundFile(s_.g_SoundOver);
    }
    events_.MouseMove(button, shift, x, y);
}

void ButtonInteraction::OverTimerTick() {
    if (host_.pointerOverOwnWindow())
        return;
    host_.stopOverTimer();
    s_.g_IsOver = 0;
    s_.g_CurrentPicture = s_.g_Picture;
    events_.MouseOut(s_.g_LastShift);
    control_.Refresh();
    if (s_.g_IsPressed == 1) {
        // Drawn released, but still armed: coming back draws it pressed again.
        s_.g_IsPressed = 0;
        control_.Refresh();
        s_.g_IsPressed = 1;
    }
}

void ButtonInteraction::MouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    s_.g_LastButton = button;
    s_.g_LastShift = shift;
    s_.g_LastX = x;
    s_.g_LastY = y;
    if (button != kRightButton) {
        s_.g_IsPressed = 1;
        control_.Refresh();
    }
    events_.MouseDown(button, shift, x, y);
}

void ButtonInteraction::DblClick() {
    host_.capturePointer();
    MouseDown(s_.g_LastButton, s_.g_LastShift, s_.g_LastX, s_.g_LastY);
}

void ButtonInteraction::MouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    s_.g_IsPressed = 0;
    if (button != kRightButton) {
        control_.Refresh();
        if (inside(x, y)) {
            PlaySoundFile(s_.g_SoundClick);
            events_.Click();
            GoToURL();
        }
    }
    events_.MouseUp(button, shift, x, y);
}

void ButtonInteraction::KeyDown(std::int16_t keyCode, std::int16_t shift) {
    // Only the first key down draws: auto-repeat, or Space while another key
    // is held, changes nothing.
    if (s_.g_KeyHeld == 0) {
        if (keyCode == kSpace) {
            s_.g_IsPressed = 1;
            s_.g_IsOver = 1;
            control_.Refresh();
        }
        s_.g_KeyHeld = 1;
    }
    events_.KeyDown(keyCode, shift);
}

void ButtonInteraction::KeyPress(std::int16_t keyAscii) {
    events_.KeyPress(keyAscii);
}

void ButtonInteraction::KeyUp(std::int16_t keyCode, std::int16_t shift) {
    if (keyCode == kSpace) {
        s_.g_IsPressed = 0;
        s_.g_IsOver = 0;
        control_.Refresh();
        // (0, 0) lies inside every button, so this clicks.
        MouseUp(kLeftButton, shift, 0, 0);
    }
    s_.g_KeyHeld = 0;
    events_.KeyUp(keyCode, shift);
}

void ButtonInteraction::AccessKeyPress() {
    // The surface's effective state: a button in a disabled window is not clicked.
    if (!s_.surfaceEnabled)
        return;
    events_.Click();
    GoToURL();
}

void ButtonInteraction::PressAndRelease() {
    MouseDown(kLeftButton, 0, 0, 0);
    MouseUp(kLeftButton, 0, 0, 0);
}

void ButtonInteraction::EnterFocus() {
    s_.g_HasFocus = 1;
    control_.Refresh();
}

void ButtonInteraction::ExitFocus() {
    s_.g_HasFocus = 0;
    s_.g_IsPressed = 0;
    control_.Refresh();
}

void ButtonInteraction::AmbientChanged() {
    control_.Refresh();
}

void ButtonInteraction::GoToURL() {
    const QString& url = s_.g_URL;
    if (url.left(7) == QLatin1String("mailto:"))
        host_.urls().openWithShell(url);
    else if (!url.isEmpty())
        host_.urls().navigate(url);
}

void ButtonInteraction::PlaySoundFile(const QString& path) {
    host_.sounds().play(path);
}

} // namespace anybutton
