#include "editor/markup/TagAssist.h"

#include "editor/markup/HtmlRules.h"
#include "editor/markup/TagScanner.h"

#include <vector>

namespace editor {

namespace {

std::string lowered(std::string s) {
    for (char& c : s)
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return s;
}

} // namespace

std::optional<std::string> closingTagAfter(std::string_view before, std::string_view after,
                                           core::DocumentType type) {
    if (type == core::DocumentType::CSS || before.empty() || before.back() != '>')
        return std::nullopt;
    const bool xml = type == core::DocumentType::XML;
    const TagScan scan = scanTags(before.substr(0, before.size() - 1), xml);
    if (scan.ending != TagScan::Ending::InStartTag || scan.openTagSlash)
        return std::nullopt;
    const std::string& name = scan.openTagName;
    if (!xml && isVoidElement(lowered(name)))
        return std::nullopt;
    const std::string closing = "</" + name + ">";
    if (after.size() >= closing.size() && sameName(after.substr(2, name.size()), name, xml) &&
        after.substr(0, 2) == "</" && after[closing.size() - 1] == '>')
        return std::nullopt;
    return closing;
}

std::optional<std::string> endTagCompletion(std::string_view before, core::DocumentType type) {
    if (type == core::DocumentType::CSS || before.size() < 2 ||
        before.substr(before.size() - 2) != "</")
        return std::nullopt;
    const bool xml = type == core::DocumentType::XML;
    const TagScan scan = scanTags(before.substr(0, before.size() - 2), xml);
    if (scan.ending != TagScan::Ending::Text)
        return std::nullopt;
    // The elements open at the caret, with the ends HTML lets a page leave out.
    std::vector<const TagEvent*> open;
    for (const TagEvent& tag : scan.tags) {
        if (tag.kind == TagEvent::Kind::SelfClosed)
            continue;
        const std::string key = xml ? tag.name : lowered(tag.name);
        if (tag.kind == TagEvent::Kind::Start) {
            if (!xml && isVoidElement(key))
                continue;
            while (!xml && !open.empty() && startImpliesEnd(lowered(open.back()->name), key))
                open.pop_back();
            open.push_back(&tag);
            continue;
        }
        for (auto it = open.rbegin(); it != open.rend(); ++it) {
            if (sameName((*it)->name, tag.name, xml)) {
                open.erase(std::next(it).base(), open.end());
                break;
            }
        }
    }
    if (open.empty())
        return std::nullopt;
    return open.back()->name + ">";
}

} // namespace editor
