// The markup checkers and the tag helpers on arbitrary pages:
// - a page checked in pieces has the problems it has checked whole, so a
//   slice boundary never changes what the user is shown;
// - problems stay within the page and their bound;
// - the closing-tag and matching helpers stay within the text they are given.
// The first byte picks the document type.

#include "FuzzSupport.h"

#include "editor/markup/MarkupChecker.h"
#include "editor/markup/TagAssist.h"
#include "editor/markup/TagMatch.h"

#include <string>
#include <string_view>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const auto type = static_cast<core::DocumentType>(data[0] % 4);
    const std::string_view page(reinterpret_cast<const char*>(data) + 1, size - 1);

    const auto whole = editor::checkMarkup(type, page);
    auto pieces = editor::makeMarkupChecker(type);
    for (std::size_t pos = 0, i = 0; pos < page.size(); ++i) {
        const std::size_t len = 1 + static_cast<unsigned char>(page[i % page.size()]) % 7;
        pieces->feed(page.substr(pos, len));
        pos += len;
    }
    pieces->finish();
    FUZZ_CHECK(whole->problems().size() == pieces->problems().size());
    FUZZ_CHECK(whole->problems().size() <= editor::MarkupChecker::kMostProblems);
    for (std::size_t i = 0; i < whole->problems().size(); ++i) {
        const editor::MarkupProblem& a = whole->problems()[i];
        const editor::MarkupProblem& b = pieces->problems()[i];
        FUZZ_CHECK(a.line == b.line && a.column == b.column && a.message == b.message);
        FUZZ_CHECK(type == core::DocumentType::XML ||
                   (a.start <= a.end && a.end <= page.size() + 1));
    }

    // Every prefix as the text before a caret, the rest after it.
    for (std::size_t caret = 0; caret <= page.size() && caret < 64; ++caret) {
        const auto closing =
            editor::closingTagAfter(page.substr(0, caret), page.substr(caret), type);
        FUZZ_CHECK(!closing || (closing->size() >= 3 && closing->substr(0, 2) == "</"));
        const auto completion = editor::endTagCompletion(page.substr(0, caret), type);
        FUZZ_CHECK(!completion || completion->back() == '>');
        const editor::TextReader read = [&](std::size_t from, std::size_t to) {
            FUZZ_CHECK(from <= to && to <= page.size());
            return page.substr(from, to - from);
        };
        const editor::TagMatch m =
            editor::matchTag(read, page.size(), caret, type == core::DocumentType::XML, 1 << 16);
        if (m.outcome == editor::TagMatch::Outcome::Found)
            FUZZ_CHECK(m.partnerEnd <= page.size() && m.tagEnd <= page.size());
    }
    return 0;
}
