#include "editor/markup/TagMatch.h"

#include "editor/markup/HtmlRules.h"
#include "editor/markup/TagScanner.h"

#include <algorithm>
#include <string>

namespace editor {

namespace {

constexpr std::size_t kTagReach = 4096; // how far a tag around the caret may reach
constexpr std::size_t kPiece = 1 << 20; // text read at a time going forward
constexpr std::size_t kFirstWindow = 16 * 1024;

std::string lowered(std::string s) {
    for (char& c : s)
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return s;
}

} // namespace

TagMatch matchTag(const TextReader& read, std::size_t length, std::size_t caret, bool xml,
                  std::size_t budget) {
    TagMatch m;
    // The tag around the caret: the last "<" at or before it, whose ">" is
    // not before it.
    const std::size_t from = caret > kTagReach ? caret - kTagReach : 0;
    const std::size_t to = std::min(length, caret + kTagReach);
    const std::string_view near = read(from, to);
    const std::size_t local = caret - from;
    const std::size_t lt = near.rfind('<', local < near.size() ? local : near.size() - 1);
    if (lt == std::string_view::npos)
        return m;
    const std::size_t gt = near.find('>', lt);
    if (gt == std::string_view::npos || local > gt + 1)
        return m;
    const TagScan own = scanTags(near.substr(lt, gt + 1 - lt), xml);
    if (own.tags.size() != 1)
        return m;
    const TagEvent tag = own.tags.front();
    m.tagStart = from + lt;
    m.tagEnd = from + gt + 1;
    m.outcome = TagMatch::Outcome::NoPartner;
    if (tag.kind == TagEvent::Kind::SelfClosed || (!xml && isVoidElement(lowered(tag.name))))
        return m;

    std::size_t spent = 0;
    int depth = 0;
    if (tag.kind == TagEvent::Kind::Start) {
        // Forward, a piece at a time; a tag cut by a piece's end is read again
        // with the next one.
        for (std::size_t at = m.tagEnd; at < length;) {
            if (spent >= budget)
                return m.outcome = TagMatch::Outcome::TooFar, m;
            const std::size_t end = std::min({length, at + kPiece, at + (budget - spent)});
            const std::string_view piece = read(at, end);
            const TagScan scan = scanTags(piece, xml);
            for (const TagEvent& t : scan.tags) {
                if (!sameName(t.name, tag.name, xml) || t.kind == TagEvent::Kind::SelfClosed)
                    continue;
                if (t.kind == TagEvent::Kind::Start) {
                    ++depth;
                } else if (depth-- == 0) {
                    m.partnerStart = at + t.start;
                    m.partnerEnd = at + t.end;
                    return m.outcome = TagMatch::Outcome::Found, m;
                }
            }
            const std::size_t next = scan.ending == TagScan::Ending::Text || end == length
                                         ? end
                                         : at + (scan.tags.empty() ? 0 : scan.tags.back().end);
            spent += next - at;
            if (next == at) // a single tag longer than a piece
                return m.outcome = TagMatch::Outcome::TooFar, m;
            at = next;
        }
        return m;
    }
    // Backward, in windows twice as long each time; each window ends where
    // the tags of the last one began, so no tag is counted twice.
    std::size_t limit = m.tagStart;
    for (std::size_t window = kFirstWindow; limit > 0; window *= 2) {
        if (spent >= budget)
            return m.outcome = TagMatch::Outcome::TooFar, m;
        window = std::min(window, budget - spent);
        const std::size_t start = limit > window ? limit - window : 0;
        const TagScan scan = scanTags(read(start, limit), xml);
        for (auto it = scan.tags.rbegin(); it != scan.tags.rend(); ++it) {
            if (!sameName(it->name, tag.name, xml) || it->kind == TagEvent::Kind::SelfClosed)
                continue;
            if (it->kind == TagEvent::Kind::End) {
                ++depth;
            } else if (depth-- == 0) {
                m.partnerStart = start + it->start;
                m.partnerEnd = start + it->end;
                return m.outcome = TagMatch::Outcome::Found, m;
            }
        }
        spent += limit - start;
        limit = start == 0 || scan.tags.empty() ? start : start + scan.tags.front().start;
        if (start == 0)
            break;
    }
    return m;
}

} // namespace editor
