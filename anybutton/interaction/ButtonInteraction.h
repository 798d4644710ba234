#pragma once

#include "anybutton/control/AnyButtonControl.h"
#include "anybutton/interaction/ButtonEvents.h"
#include "anybutton/interaction/InteractionHost.h"

#include <cstdint>

namespace anybutton {

// How mouse, keyboard, focus, access key and the hover timer change a
// button's interaction flags, when it repaints, which events it raises and in
// which order, its sounds and its address. No widget: the window maps its
// input to these handlers and supplies the host.
class ButtonInteraction {
public:
    static constexpr std::int16_t kSpace = 32;

    ButtonInteraction(AnyButtonControl& control, ButtonEvents& events, InteractionHost& host);

    void MouseMove(std::int16_t button, std::int16_t shift, float x, float y);
    void MouseDown(std::int16_t button, std::int16_t shift, float x, float y);
    void MouseUp(std::int16_t button, std::int16_t shift, float x, float y);
    // The second press of a double click.
    void DblClick();
    void KeyDown(std::int16_t keyCode, std::int16_t shift);
    void KeyPress(std::int16_t keyAscii);
    void KeyUp(std::int16_t keyCode, std::int16_t shift);
    void AccessKeyPress();
    // A left press and release at (0, 0), inside every button: a click with
    // its events in a mouse click's order, for callers without a pointer.
    void PressAndRelease();
    void EnterFocus();
    void ExitFocus();
    void AmbientChanged();
    // One tick of OverTimer: ends the hover once the pointer is elsewhere.
    void OverTimerTick();

    // Opens URL: "mailto:" addresses through the shell, any other non-empty
    // address through the hyperlink service.
    void GoToURL();

private:
    void PlaySoundFile(const QString& path);
    bool inside(float x, float y) const;

    AnyButtonControl& control_;
    ButtonState& s_;
    ButtonEvents& events_;
    InteractionHost& host_;
};

} // namespace anybutton
