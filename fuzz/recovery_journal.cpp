// The recovery journal's stored form on arbitrary bytes:
// - reading never fails harder than refusing, whatever the bytes;
// - the edits read, written again after the same header, read back the same;
// - applied to a text (the first 64 bytes after the journal's header stand
//   for its base) they keep within it.

#include "FuzzSupport.h"

#include "editor/recovery/RecoveryJournal.h"

#include <string>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view stored(reinterpret_cast<const char*>(data), size);
    std::string text(stored.substr(0, 64));
    std::vector<std::string> records;
    const auto parsed = editor::parseJournal(stored, [&](const editor::JournalEdit& e) {
        records.push_back(editor::encodeJournalEdit(e));
        if (!editor::applyJournalEdit(text, e))
            return false;
        FUZZ_CHECK(text.size() <= 64 + size);
        return true;
    });
    if (!parsed)
        return 0;
    FUZZ_CHECK(parsed->validBytes <= size);
    FUZZ_CHECK(parsed->tornTail == (parsed->validBytes < size));

    std::string again = editor::encodeJournalHeader(parsed->header);
    for (const std::string& r : records)
        again += r;
    std::size_t edits = 0;
    const auto reread = editor::parseJournal(again, [&](const editor::JournalEdit& e) {
        FUZZ_CHECK(edits < records.size() && editor::encodeJournalEdit(e) == records[edits]);
        ++edits;
        return true;
    });
    FUZZ_CHECK(reread && !reread->tornTail && reread->header.baseName == parsed->header.baseName);
    return 0;
}
