#include "editor/markup/MarkupAssist.h"

#include "editor/editing/BlockSelection.h"
#include "editor/editing/SourceEditor.h"
#include "editor/markup/TagAssist.h"
#include "editor/markup/TagMatch.h"

#include <algorithm>

namespace editor {

using Sci = QsciScintillaBase;

namespace {

constexpr int kMatchIndicator = 9;
// The partner is shown only when it is this near; Go to Matching Tag looks further.
constexpr std::size_t kShownReach = 64 * 1024;
constexpr std::size_t kCommandReach = 32 << 20;

std::string_view range(SourceEditor& coding, std::size_t from, std::size_t to) {
    if (to <= from)
        return {};
    // Only this stretch: the editor's gap moves at most across it.
    const auto* data = reinterpret_cast<const char*>(coding.SendScintilla(
        Sci::SCI_GETRANGEPOINTER, static_cast<unsigned long>(from), static_cast<long>(to - from)));
    return data ? std::string_view(data, to - from) : std::string_view();
}

} // namespace

MarkupAssist::MarkupAssist(SourceEditor& coding, std::function<core::DocumentType()> type)
    : QObject(&coding), coding_(coding), type_(std::move(type)) {
    coding_.SendScintilla(Sci::SCI_INDICSETSTYLE, kMatchIndicator, Sci::INDIC_BOX);
    coding_.SendScintilla(Sci::SCI_INDICSETFORE, kMatchIndicator, 0x2080C0); // a muted orange
    connect(&coding_, &Sci::SCN_CHARADDED, this, &MarkupAssist::charAdded);
    connect(&coding_, &Sci::SCN_UPDATEUI, this, &MarkupAssist::highlightMatch);
}

void MarkupAssist::charAdded(int ch) {
    if (!closingTags_ || (ch != '>' && ch != '/') || selectionHasPieces(coding_))
        return;
    const core::DocumentType type = type_();
    const auto caret = static_cast<std::size_t>(coding_.SendScintilla(Sci::SCI_GETCURRENTPOS));
    const auto length = static_cast<std::size_t>(coding_.SendScintilla(Sci::SCI_GETLENGTH));
    const std::size_t from = caret > kLookBehind ? caret - kLookBehind : 0;
    std::optional<std::string> added;
    if (ch == '>') {
        const std::string before(range(coding_, from, caret));
        added = closingTagAfter(before, range(coding_, caret, std::min(length, caret + 256)), type);
    } else {
        added = endTagCompletion(range(coding_, from, caret), type);
    }
    if (!added)
        return;
    // An edit of its own, so one Undo takes back just what was added.
    coding_.SendScintilla(Sci::SCI_BEGINUNDOACTION);
    coding_.SendScintilla(Sci::SCI_INSERTTEXT, static_cast<unsigned long>(caret), added->c_str());
    coding_.SendScintilla(Sci::SCI_ENDUNDOACTION);
    // After "</" the caret goes past the completed tag; after ">" it stays inside.
    if (ch == '/')
        coding_.SendScintilla(Sci::SCI_GOTOPOS, static_cast<unsigned long>(caret + added->size()));
}

void MarkupAssist::highlightMatch() {
    const long caret = coding_.SendScintilla(Sci::SCI_GETCURRENTPOS);
    if (caret == lastCaret_)
        return;
    lastCaret_ = caret;
    coding_.SendScintilla(Sci::SCI_SETINDICATORCURRENT, kMatchIndicator);
    if (markedEnd_ > markedStart_) {
        const auto length = static_cast<std::size_t>(coding_.SendScintilla(Sci::SCI_GETLENGTH));
        coding_.SendScintilla(
            Sci::SCI_INDICATORCLEARRANGE, static_cast<unsigned long>(markedStart_),
            static_cast<long>(std::min(markedEnd_, length) - std::min(markedStart_, length)));
        markedStart_ = markedEnd_ = 0;
    }
    if (type_() == core::DocumentType::CSS)
        return;
    const auto length = static_cast<std::size_t>(coding_.SendScintilla(Sci::SCI_GETLENGTH));
    const TagMatch m = matchTag(
        [this](std::size_t from, std::size_t to) { return range(coding_, from, to); }, length,
        static_cast<std::size_t>(caret), type_() == core::DocumentType::XML, kShownReach);
    if (m.outcome != TagMatch::Outcome::Found)
        return;
    for (const auto& [start, end] :
         {std::pair{m.tagStart, m.tagEnd}, std::pair{m.partnerStart, m.partnerEnd}})
        coding_.SendScintilla(Sci::SCI_INDICATORFILLRANGE, static_cast<unsigned long>(start),
                              static_cast<long>(end - start));
    markedStart_ = std::min(m.tagStart, m.partnerStart);
    markedEnd_ = std::max(m.tagEnd, m.partnerEnd);
}

void MarkupAssist::goToMatchingTag() {
    const auto caret = static_cast<std::size_t>(coding_.SendScintilla(Sci::SCI_GETCURRENTPOS));
    const auto length = static_cast<std::size_t>(coding_.SendScintilla(Sci::SCI_GETLENGTH));
    const TagMatch m =
        matchTag([this](std::size_t from, std::size_t to) { return range(coding_, from, to); },
                 length, caret, type_() == core::DocumentType::XML, kCommandReach);
    switch (m.outcome) {
    case TagMatch::Outcome::Found:
        coding_.SendScintilla(Sci::SCI_GOTOPOS, static_cast<unsigned long>(m.partnerStart + 1));
        emit notice(QString());
        break;
    case TagMatch::Outcome::NotInTag:
        emit notice(QStringLiteral("The caret is not in a tag."));
        break;
    case TagMatch::Outcome::NoPartner:
        emit notice(QStringLiteral("This tag has no matching tag."));
        break;
    case TagMatch::Outcome::TooFar:
        emit notice(QStringLiteral("No matching tag within 32 MB: the search stopped there."));
        break;
    }
}

} // namespace editor
