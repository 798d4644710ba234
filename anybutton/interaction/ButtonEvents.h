#pragma once

#include <cstdint>

namespace anybutton {

// The events a button raises to its container. Buttons: 1 left, 2 right,
// 4 middle; shift bits: 1 Shift, 2 Ctrl, 4 Alt; X and Y in pixels.
class ButtonEvents {
public:
    virtual ~ButtonEvents() = default;

    virtual void Click() = 0;
    virtual void KeyDown(std::int16_t keyCode, std::int16_t shift) = 0;
    virtual void KeyPress(std::int16_t keyAscii) = 0;
    virtual void KeyUp(std::int16_t keyCode, std::int16_t shift) = 0;
    virtual void MouseDown(std::int16_t button, std::int16_t shift, float x, float y) = 0;
    virtual void MouseMove(std::int16_t button, std::int16_t shift, float x, float y) = 0;
    virtual void MouseUp(std::int16_t button, std::int16_t shift, float x, float y) = 0;
    virtual void MouseIn(std::int16_t shift) = 0;
    virtual void MouseOut(std::int16_t shift) = 0;
};

} // namespace anybutton
