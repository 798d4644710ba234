#include "core/text/Utf8.h"

#include <gtest/gtest.h>

using core::Utf8Validator;

TEST(Utf8Validator, AcceptsOnlyWellFormedUtf8EvenWhenSplit) {
    struct Case {
        const char* bytes;
        bool valid;
    };
    const Case cases[] = {
        {"plain ascii\r\n", true},
        {"caf\xC3\xA9", true},
        {"\xE2\x82\xAC euro", true},
        {"\xF0\x9F\x98\x80", true},
        {"\xC3", false},             // unfinished
        {"\xC0\xAF", false},         // overlong
        {"\xE0\x80\xAF", false},     // overlong
        {"\xED\xA0\x80", false},     // surrogate
        {"\xF4\x90\x80\x80", false}, // beyond U+10FFFF
        {"\x80", false},             // stray continuation
        {"caf\xE9", false},          // Windows-1252 e acute
    };
    for (const Case& c : cases) {
        const std::string_view s(c.bytes);
        for (size_t split = 0; split <= s.size(); ++split) {
            Utf8Validator v;
            v.feed(s.substr(0, split));
            v.feed(s.substr(split));
            EXPECT_EQ(v.finish(), c.valid) << c.bytes << " split at " << split;
        }
    }
}

TEST(Utf8Decode, RefusesWhatTheValidatorRefuses) {
    const char* malformed[] = {
        "\xC0\x80",         // overlong two-byte form
        "\xC1\xBF",         // overlong two-byte form
        "\xE0\x80\xAF",     // overlong three-byte form
        "\xE0\x9F\xBF",     // overlong three-byte form
        "\xF0\x80\x80\x80", // overlong four-byte form
        "\xF0\x8F\xBF\xBF", // overlong four-byte form
        "\xED\xA0\x80",     // surrogate
        "\xED\xBF\xBF",     // surrogate
        "\xF4\x90\x80\x80", // beyond U+10FFFF
        "\xF5\x80\x80\x80", // beyond U+10FFFF
        "\xF8\x88\x80\x80", // no such lead byte
        "\xFF",             // no such lead byte
        "\x80",             // stray continuation
        "\xE2\x82",         // cut
    };
    for (const char* bytes : malformed) {
        const std::string_view s(bytes);
        size_t pos = 0;
        EXPECT_FALSE(core::decodeUtf8(s, pos)) << s;
        EXPECT_EQ(pos, 0u);
        Utf8Validator v;
        v.feed(s);
        EXPECT_FALSE(v.finish()) << s;
    }
    size_t end = 0;
    EXPECT_FALSE(core::decodeUtf8("", end));
}

TEST(Utf8Decode, EveryScalarValueDecodesAndAppendsBack) {
    for (const char32_t cp : {0x0u, 0x7Fu, 0x80u, 0x7FFu, 0x800u, 0xD7FFu, 0xE000u, 0xFFFFu,
                              0x10000u, 0x1F600u, 0x10FFFFu}) {
        std::string bytes;
        core::appendUtf8(bytes, cp);
        Utf8Validator v;
        v.feed(bytes);
        EXPECT_TRUE(v.finish()) << std::hex << cp;
        size_t pos = 0;
        EXPECT_EQ(core::decodeUtf8(bytes, pos), cp);
        EXPECT_EQ(pos, bytes.size());
    }
}
