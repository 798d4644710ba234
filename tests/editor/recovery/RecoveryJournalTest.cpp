#include "editor/recovery/RecoveryJournal.h"
#include "editor/recovery/RecoveryStore.h"
#include "support/Files.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using namespace editor;
using Kind = JournalEdit::Kind;

namespace {

const std::vector<JournalEdit> kEdits = {
    {Kind::Insert, 0, 3, "abc"},
    {Kind::Insert, 3, 4, std::string_view("\0\r\n\xFF", 4)}, // every byte kept
    {Kind::Delete, 1, 2, {}},
    {Kind::Type, 0, 2, {}},
};

JournalHeader header() {
    JournalHeader h;
    h.file = QStringLiteral("/w/caf\u00e9 page.html");
    h.encoding = TextEncoding::Windows1252;
    h.lineEnd = LineEnd::Lf;
    h.type = core::DocumentType::ASP;
    h.baseName = "9-x-1.base";
    h.baseLength = 5;
    h.baseChecksum = journalChecksum("hello");
    h.fileSize = 5;
    h.fileTime = 1234567890123456789;
    return h;
}

// What a journal gives back applied to its base.
std::optional<std::string> replay(std::string_view stored, std::string text,
                                  std::size_t* edits = nullptr) {
    bool fits = true;
    const auto parsed = parseJournal(
        stored, [&](const JournalEdit& e) { return fits = applyJournalEdit(text, e); });
    if (!parsed)
        return std::nullopt;
    if (edits)
        *edits = parsed->edits;
    return text;
}

} // namespace

TEST(RecoveryJournal, RecordsRoundTripAndATornOrDamagedTailIsLeftOut) {
    std::string stored = encodeJournalHeader(header());
    std::vector<std::size_t> ends;
    for (const JournalEdit& e : kEdits) {
        stored += encodeJournalEdit(e);
        ends.push_back(stored.size());
    }
    std::size_t edits = 0;
    EXPECT_EQ(replay(stored, "hello", &edits), std::string("a\0\r\n\xFFhello", 10));
    EXPECT_EQ(edits, kEdits.size());
    const auto parsed = parseJournal(stored, [](const JournalEdit&) { return true; });
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->header.file, header().file);
    EXPECT_EQ(parsed->header.baseName, "9-x-1.base");
    EXPECT_EQ(parsed->header.fileTime, header().fileTime);
    EXPECT_EQ(parsed->header.type, core::DocumentType::ASP);
    EXPECT_FALSE(parsed->tornTail);

    // Cut anywhere in the records: every whole record before the cut, no more.
    const std::size_t headerEnd = encodeJournalHeader(header()).size();
    for (std::size_t cut = headerEnd; cut < stored.size(); ++cut) {
        std::size_t whole = 0;
        while (whole < ends.size() && ends[whole] <= cut)
            ++whole;
        std::size_t read = 0;
        ASSERT_TRUE(replay(stored.substr(0, cut), "hello", &read));
        EXPECT_EQ(read, whole) << "cut at " << cut;
    }
    // A flipped byte in a record ends the reading there.
    std::string damaged = stored;
    damaged[ends[1] + 5] ^= 0x20;
    std::size_t read = 0;
    replay(damaged, "hello", &read);
    EXPECT_EQ(read, 2u);
    // A damaged header is no journal.
    damaged = stored;
    damaged[30] ^= 1;
    EXPECT_FALSE(replay(damaged, "hello"));
}

TEST(RecoveryJournal, EveryEncodingAPageCanBeReadInIsStoredAndReadBack) {
    for (const TextEncoding encoding :
         {TextEncoding::Utf8, TextEncoding::Utf8WithBom, TextEncoding::Windows1252,
          TextEncoding::Utf16Le, TextEncoding::Utf16Be, TextEncoding::Utf32Le,
          TextEncoding::Utf32Be}) {
        JournalHeader h = header();
        h.encoding = encoding;
        const auto parsed =
            parseJournal(encodeJournalHeader(h), [](const JournalEdit&) { return true; });
        ASSERT_TRUE(parsed) << static_cast<int>(encoding);
        EXPECT_EQ(parsed->header.encoding, encoding);
    }
}

TEST(RecoveryJournal, AKillAtAnyStepOfACompactionLeavesARecoverableCopy) {
    // The steps a compaction takes, in order; after a kill at any of them the
    // next start finds a journal and a base that give the whole text.
    const std::string before = "base";
    const std::string after = "base and more";
    for (int steps = 0; steps <= 4; ++steps) {
        SCOPED_TRACE(steps);
        QTemporaryDir state;
        std::string oldBase, newBase;
        {
            const RecoveryStore store(state.path());
            RecoveryStore::Base written;
            oldBase = store.baseName(1);
            ASSERT_TRUE(store
                            .writeBaseFromText(
                                oldBase, [&](const auto& sink) { sink(before); }, written)
                            .isEmpty());
            ASSERT_TRUE(store.commitBase(oldBase).isEmpty());
            JournalHeader h;
            h.baseName = oldBase;
            h.baseLength = written.length;
            h.baseChecksum = written.checksum;
            ASSERT_TRUE(store.startJournal(encodeJournalHeader(h)).isEmpty());
            ASSERT_TRUE(store.appendJournal(encodeJournalEdit({Kind::Insert, 4, 9, " and more"}))
                            .isEmpty());
            // The compaction.
            newBase = store.baseName(2);
            if (steps >= 1)
                store.writeBaseFromText(
                    newBase, [&](const auto& sink) { sink(after); }, written);
            if (steps >= 2) {
                ASSERT_TRUE(store.commitBase(newBase).isEmpty());
            }
            if (steps >= 3) {
                JournalHeader fresh;
                fresh.baseName = newBase;
                fresh.baseLength = written.length;
                fresh.baseChecksum = written.checksum;
                ASSERT_TRUE(store.startJournal(encodeJournalHeader(fresh)).isEmpty());
            }
            if (steps >= 4)
                store.removeBase(oldBase);
        } // killed: the lock goes with the process
        const RecoveryStore next(state.path());
        const QStringList left = next.leftBehind();
        ASSERT_EQ(left.size(), 1);
        auto taken = next.take(left[0]);
        auto* journal = std::get_if<RecoveryStore::Journal>(&taken);
        ASSERT_NE(journal, nullptr);
        EXPECT_EQ(replay(journal->stored, readRaw(journal->base).toStdString()), after);
        // What the kill left half done is gone; the base in use stays.
        EXPECT_TRUE(QDir(state.path()).entryList({QStringLiteral("*.new")}, QDir::Files).isEmpty());
        EXPECT_EQ(QDir(state.path()).entryList({QStringLiteral("*.base")}, QDir::Files).size(), 1);
    }
}
