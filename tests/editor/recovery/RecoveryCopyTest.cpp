#include "editor/recovery/RecoveryCopy.h"
#include "core/text/PathBytes.h"

#include <gtest/gtest.h>

using editor::LineEnd;
using editor::parseRecovery;
using editor::RecoveryCopy;
using editor::TextEncoding;

TEST(RecoveryCopy, StoredFormKeepsEverythingAndADamagedCopyIsNotTaken) {
    RecoveryCopy copy;
    copy.file = core::pathFromBytes("/w/caf\xE9 page%.css"); // not UTF-8, with a space and a %
    copy.encoding = TextEncoding::Windows1252;
    copy.lineEnd = LineEnd::Lf;
    copy.type = core::DocumentType::CSS;
    copy.text = std::string("a\r\nb\0c\n\n", 8);
    const std::string stored = editor::recoveryHeader(copy) + copy.text;

    const auto back = parseRecovery(stored);
    ASSERT_TRUE(back);
    EXPECT_EQ(core::pathBytes(back->file), QByteArray("/w/caf\xE9 page%.css"));
    EXPECT_EQ(back->encoding, copy.encoding);
    EXPECT_EQ(back->lineEnd, copy.lineEnd);
    EXPECT_EQ(back->type, copy.type);
    EXPECT_EQ(back->text, copy.text);

    std::string flipped = stored;
    flipped.back() ^= 1;
    const std::string damaged[] = {
        stored.substr(0, stored.size() - 1), // cut short
        stored + "x",                        // longer than it says
        flipped,                             // same length, other bytes
        stored.substr(0, 30),                // cut inside the header
        "",
        "not a copy\n\ntext",
    };
    for (const std::string& d : damaged)
        EXPECT_FALSE(parseRecovery(d)) << d.size();
}
