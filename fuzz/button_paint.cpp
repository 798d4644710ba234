// The button's whole paint from a property bag (anybutton/control/
// AnyButtonControl.h, as tools/anybutton-render builds it): the input is a
// bag in its text form, plus "width" and "height" in pixels for the client
// size (100 x 40 when missing, each held to at most 512). The button loads the
// bag and paints in its own style and in each of the five styles, in every
// look (normal, hover, pressed, armed, disabled), with and without focus.
// A value that cannot be converted is refused with PropertyError, nothing
// else; what loads saves to a bag that loads again and saves the same.

#include "FuzzSupport.h"

#include "anybutton/control/AnyButtonControl.h"
#include "anybutton/properties/ButtonLook.h"
#include "anybutton/properties/PropertyBag.h"
#include "anybutton/properties/PropertyError.h"
#include "anybutton/properties/SimpleContainer.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>

using namespace anybutton;

namespace {

constexpr int kMaxSide = 512;

int side(PropertyBag& bag, const QString& key, int fallback) {
    const auto v = bag.value(key);
    bag.remove(key);
    if (!v)
        return fallback;
    try {
        return std::clamp(v->toInt32(), 0, kMaxSide);
    } catch (const PropertyError&) {
        return fallback;
    }
}

// Loads the bag into a fresh button of the given client size; false when
// the bag holds a value the button refuses.
bool load(AnyButtonControl& button, const PropertyBag& bag, int width, int height) {
    button.state().clientWidth = width;
    button.state().clientHeight = height;
    try {
        button.ReadProperties(bag);
        return true;
    } catch (const PropertyError&) {
        return false;
    }
}

void checkPainted(const AnyButtonControl& button) {
    const ButtonState& s = button.state();
    const int w = static_cast<int>(std::nearbyint(s.clientWidth));
    const int h = static_cast<int>(std::nearbyint(s.clientHeight));
    FUZZ_CHECK(w >= 10 && h >= 10 && w <= kMaxSide && h <= kMaxSide);
    FUZZ_CHECK(button.backImage().bitmap());
    FUZZ_CHECK(button.backImage().width() == w && button.backImage().height() == h);
    FUZZ_CHECK(button.image().size() == QSize(w, h));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::startWithSmallPictures(2);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PropertyBag bag;
    try {
        bag = PropertyBag::fromText(QString::fromUtf8(fuzz::bytes(data, size)));
    } catch (const std::invalid_argument&) {
        return 0; // not a bag: the property_bag target covers the parser
    }
    const int width = side(bag, QStringLiteral("width"), 100);
    const int height = side(bag, QStringLiteral("height"), 40);

    SimpleContainer container;
    {
        // Load, save, load again, save again: the two saves agree.
        AnyButtonControl first(container);
        if (!load(first, bag, width, height))
            return 0;
        PropertyBag saved;
        first.WriteProperties(saved);
        AnyButtonControl second(container);
        FUZZ_CHECK(load(second, saved, width, height));
        PropertyBag again;
        second.WriteProperties(again);
        FUZZ_CHECK(again.toText() == saved.toText());
    }

    const std::optional<std::int32_t> styles[] = {std::nullopt,       ButtonStyleStandard,
                                                  ButtonStyleFlat,    ButtonStyleXP,
                                                  ButtonStyleRounded, ButtonStyleNoBorder};
    const ButtonLook looks[] = {ButtonLook::Normal, ButtonLook::Hover, ButtonLook::Pressed,
                                ButtonLook::Armed, ButtonLook::Disabled};
    int pass = 0;
    for (const auto& style : styles) {
        PropertyBag styled = bag;
        if (style)
            styled.set(QStringLiteral("ButtonStyle"), PropertyValue::int32(*style));
        AnyButtonControl button(container);
        FUZZ_CHECK(load(button, styled, width, height));
        checkPainted(button);
        for (const ButtonLook look : looks) {
            button.state().g_HasFocus = (pass++ % 2) ? 1 : 0;
            applyLook(button.state(), look);
            button.Refresh();
            checkPainted(button);
        }
    }
    return 0;
}
