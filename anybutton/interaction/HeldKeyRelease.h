#pragma once

#include <cstdint>
#include <optional>

namespace anybutton {

// X11 reports a held key's auto-repeat as a release and a press that share one
// timestamp, and Qt's xcb plugin marks the pair as repeated only when the press
// is already queued as it reads the release. So a release of Space that is not
// marked is held back: a press of the same key at the same time (or marked as
// a repeat) shows it was half of a repeat and drops it; any other input, or
// the end of a short deferral, lets it through as the real release.
class HeldKeyRelease {
public:
    struct Release {
        std::int16_t keyCode = 0;
        std::int16_t shift = 0;
        std::uint64_t timestamp = 0;
    };

    bool pending() const { return held_.has_value(); }
    void hold(const Release& release) { held_ = release; }

    // Whether a press continues the held key; the held release is dropped then.
    bool continuesHold(std::int16_t keyCode, std::uint64_t timestamp, bool autoRepeat);

    // The held release, to be handled now; nullopt when none is held.
    std::optional<Release> take();

private:
    std::optional<Release> held_;
};

} // namespace anybutton
