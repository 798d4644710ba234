#include "editor/search/TextSearch.h"

namespace editor {

using Outcome = SearchPattern::Outcome;

namespace {

std::size_t nextCharacter(std::string_view text, std::size_t at) {
    ++at;
    while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80)
        ++at;
    return at;
}

FindResult result(Outcome outcome, const SearchMatch& m, bool wrapped) {
    return {outcome, m.start, m.end, wrapped && outcome == Outcome::Found};
}

} // namespace

FindResult findNext(const SearchPattern& pattern, std::string_view text, std::size_t selStart,
                    std::size_t selEnd, bool backwards) {
    SearchMatch m;
    if (backwards) {
        Outcome o = pattern.findBackward(text, 0, selStart, m);
        if (o != Outcome::NotFound)
            return result(o, m, false);
        o = pattern.findBackward(text, selStart, text.size(), m);
        return result(o, m, true);
    }
    // An empty selection that is itself an empty match is stepped over, so
    // a pattern that matches nothing (^, x*) still moves on.
    std::size_t from = selEnd;
    if (selStart == selEnd) {
        Outcome o = pattern.findForward(text, from, text.size(), m);
        if (o == Outcome::Found && m.start == from && m.end == from)
            from = from < text.size() ? nextCharacter(text, from) : text.size() + 1;
        else if (o != Outcome::NotFound)
            return result(o, m, false);
        else
            from = text.size() + 1;
    }
    if (from <= text.size()) {
        const Outcome o = pattern.findForward(text, from, text.size(), m);
        if (o != Outcome::NotFound)
            return result(o, m, false);
    }
    return result(pattern.findForward(text, 0, text.size(), m), m, true);
}

std::optional<std::string> replacementOfSelection(const SearchPattern& pattern,
                                                  std::string_view text, std::size_t selStart,
                                                  std::size_t selEnd,
                                                  std::string_view replacement) {
    SearchMatch m;
    if (pattern.findForward(text, selStart, selEnd, m) != Outcome::Found || m.start != selStart ||
        m.end != selEnd)
        return std::nullopt;
    return pattern.expand(replacement, text, m);
}

AllMatches collectReplacements(const SearchPattern& pattern, std::string_view text,
                               std::size_t begin, std::size_t end, std::string_view replacement) {
    AllMatches all;
    SearchMatch m;
    for (std::size_t from = begin; from <= end;) {
        const Outcome o = pattern.findForward(text, from, end, m);
        if (o == Outcome::TooComplex) {
            all.tooComplex = true;
            break;
        }
        if (o == Outcome::NotFound)
            break;
        all.replacements.push_back({m.start, m.end, pattern.expand(replacement, text, m)});
        from = m.end > m.start ? m.end : nextCharacter(text, m.start);
    }
    return all;
}

} // namespace editor
