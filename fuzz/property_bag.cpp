// The property bag's text form (anybutton/properties/PropertyBag.h) and the
// saved-design reader (anybutton/SavedDesign.h) on arbitrary text:
// - malformed text is refused with std::invalid_argument, nothing else;
// - what parses writes out to a text that parses back to the same text;
// - a saved design reads without throwing anything but std::invalid_argument.

#include "FuzzSupport.h"

#include "anybutton/SavedDesign.h"
#include "anybutton/properties/PropertyBag.h"

#include <exception>
#include <optional>
#include <stdexcept>

using anybutton::PropertyBag;

namespace {

// Runs parse; nullopt when it refused the text as it should, a failed check
// when anything else went wrong.
template <class Parse> auto parsed(Parse parse) -> std::optional<decltype(parse())> {
    try {
        return parse();
    } catch (const std::invalid_argument&) {
        return std::nullopt;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "unexpected exception: %s\n", e.what());
        FUZZ_CHECK(!"only std::invalid_argument may leave the parser");
    }
    return std::nullopt;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::startWithSmallPictures(2);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(fuzz::bytes(data, size));

    if (const auto bag = parsed([&] { return PropertyBag::fromText(text); })) {
        const QString once = bag->toText();
        const auto again = parsed([&] { return PropertyBag::fromText(once); });
        FUZZ_CHECK(again);
        FUZZ_CHECK(again->toText() == once);
        FUZZ_CHECK(again->size() == bag->size());
    }

    if (const auto design = parsed([&] { return PropertyBag::parseDesign(text); })) {
        const QString once = PropertyBag::designText(*design);
        const auto again = parsed([&] { return PropertyBag::parseDesign(once); });
        FUZZ_CHECK(again);
        FUZZ_CHECK(PropertyBag::designText(*again) == once);
        FUZZ_CHECK(again->size() == design->size());
    }

    if (const auto buttons = parsed([&] { return anybutton::readSavedDesign(text); })) {
        for (const auto& b : *buttons) {
            FUZZ_CHECK(!b.name.isNull());
            FUZZ_CHECK(b.index ? b.name.startsWith(b.arrayName) : b.arrayName == b.name);
        }
    }
    return 0;
}
