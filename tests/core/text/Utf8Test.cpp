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
