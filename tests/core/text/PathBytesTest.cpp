#include "core/text/PathBytes.h"

#include <gtest/gtest.h>

using core::pathBytes;
using core::pathFromBytes;

TEST(PathBytes, EveryByteStringComesBackAsItWasAndValidNamesReadAsText) {
    struct Case {
        const char* bytes;
        const char* text; // as the user reads it; nullptr where the name is not UTF-8
    };
    const Case cases[] = {
        {"/w/page.html", "/w/page.html"},
        {"/w/caf\xC3\xA9 \xF0\x9F\x98\x80.html", "/w/caf\xC3\xA9 \xF0\x9F\x98\x80.html"},
        {"/w/bad\xFF.html", nullptr},
        {"/w/latin\xE9\xE8", nullptr},
        {"/w/overlong\xC0\xAF", nullptr}, // must not turn into "/"
        {"/w/surrogate\xED\xA0\x80", nullptr},
        {"/w/cut\xE2\x82", nullptr},
    };
    for (const Case& c : cases) {
        const QString path = pathFromBytes(c.bytes);
        EXPECT_EQ(pathBytes(path), QByteArray(c.bytes)) << c.bytes;
        EXPECT_EQ(path.count(QLatin1Char('/')), 2) << c.bytes; // no byte becomes a separator
        if (c.text) {
            EXPECT_EQ(path, QString::fromUtf8(c.text));
        }
    }
    // A real character beyond U+FFFF is a surrogate pair, not two escapes.
    EXPECT_EQ(pathBytes(QString::fromUtf8("\xF0\x9F\x98\x80")), QByteArray("\xF0\x9F\x98\x80"));
}
