// The UTF-8 checker and codec (core/text/Utf8.h) on arbitrary bytes:
// - the validator's answer does not depend on how the bytes are split;
// - it agrees with decoding code point by code point;
// - valid input decodes to scalar values that append back to the same bytes.

#include "FuzzSupport.h"

#include "core/text/Utf8.h"

#include <string>
#include <string_view>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view s(reinterpret_cast<const char*>(data), size);

    core::Utf8Validator whole;
    whole.feed(s);
    const bool valid = whole.finish();

    // The same bytes in pieces whose lengths come from the bytes themselves.
    core::Utf8Validator pieces;
    for (size_t pos = 0, i = 0; pos < s.size(); ++i) {
        const size_t len = 1 + static_cast<unsigned char>(s[i % s.size()]) % 5;
        pieces.feed(s.substr(pos, len));
        pos += len;
    }
    pieces.feed({});
    FUZZ_CHECK(pieces.finish() == valid);

    bool decodes = true;
    std::string again;
    for (size_t pos = 0; pos < s.size();) {
        const size_t before = pos;
        const auto cp = core::decodeUtf8(s, pos);
        if (!cp) {
            FUZZ_CHECK(pos == before);
            decodes = false;
            break;
        }
        FUZZ_CHECK(pos > before && pos <= before + 4);
        FUZZ_CHECK(*cp <= 0x10FFFF && !(*cp >= 0xD800 && *cp <= 0xDFFF));
        core::appendUtf8(again, *cp);
        FUZZ_CHECK(std::string_view(again).substr(before) == s.substr(before, pos - before));
    }
    FUZZ_CHECK(decodes == valid);
    if (valid)
        FUZZ_CHECK(again == s);
    return 0;
}
