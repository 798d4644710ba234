#include "editor/markup/TagScanner.h"

#include "editor/markup/HtmlRules.h"

namespace editor {

namespace {

bool isNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_' || c == ':' || c == '.' || static_cast<unsigned char>(c) >= 0x80;
}

bool isAlpha(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string lowered(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = lower(c);
    return out;
}

bool startsWith(std::string_view text, std::size_t at, std::string_view prefix) {
    return text.substr(at, prefix.size()) == prefix;
}

// The offset of `marker` at or after `from`, or none.
std::optional<std::size_t> find(std::string_view text, std::size_t from, std::string_view marker) {
    const std::size_t at = text.find(marker, from);
    return at == std::string_view::npos ? std::nullopt : std::optional<std::size_t>(at);
}

// The end of raw text content: "</name" in any case, then a space, "/" or ">".
std::optional<std::size_t> rawTextEnd(std::string_view text, std::size_t from,
                                      std::string_view name) {
    for (std::size_t at = text.find("</", from); at != std::string_view::npos;
         at = text.find("</", at + 2)) {
        if (lowered(text.substr(at + 2, name.size())) != name)
            continue;
        const std::size_t after = at + 2 + name.size();
        if (after >= text.size() || text[after] == '>' || text[after] == '/' ||
            text[after] == ' ' || text[after] == '\t' || text[after] == '\r' || text[after] == '\n')
            return at;
    }
    return std::nullopt;
}

} // namespace

bool sameName(std::string_view a, std::string_view b, bool xml) {
    if (xml)
        return a == b;
    return a.size() == b.size() && lowered(a) == lowered(b);
}

TagScan scanTags(std::string_view text, bool xml) {
    TagScan scan;
    std::size_t at = 0;
    const auto skipTo = [&](std::string_view marker) {
        const auto end = find(text, at, marker);
        if (!end) {
            scan.ending = TagScan::Ending::Elsewhere;
            at = text.size();
            return false;
        }
        at = *end + marker.size();
        return true;
    };
    while (at < text.size()) {
        const std::size_t lt = text.find('<', at);
        if (lt == std::string_view::npos)
            break;
        at = lt;
        if (startsWith(text, at, "<!--")) {
            at += 4;
            if (!skipTo("-->"))
                break;
            continue;
        }
        if (startsWith(text, at, "<![CDATA[")) {
            if (!skipTo("]]>"))
                break;
            continue;
        }
        if (startsWith(text, at, "<%")) {
            at += 2;
            if (!skipTo("%>"))
                break;
            continue;
        }
        if (startsWith(text, at, "<!") || startsWith(text, at, "<?")) {
            if (!skipTo(">"))
                break;
            continue;
        }
        const bool end = startsWith(text, at, "</");
        std::size_t name = at + (end ? 2 : 1);
        if (name >= text.size() || !isAlpha(text[name])) {
            ++at; // a "<" in the text
            continue;
        }
        std::size_t nameEnd = name;
        while (nameEnd < text.size() && isNameChar(text[nameEnd]))
            ++nameEnd;
        // The rest of the tag, quotes honoured.
        char quote = 0;
        std::size_t close = nameEnd;
        char lastSignificant = 0;
        for (; close < text.size(); ++close) {
            const char c = text[close];
            if (quote) {
                if (c == quote)
                    quote = 0;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '>') {
                break;
            }
            if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
                lastSignificant = c;
        }
        const std::string tagName(text.substr(name, nameEnd - name));
        if (close >= text.size()) {
            scan.ending = end     ? TagScan::Ending::Elsewhere
                          : quote ? TagScan::Ending::InQuotedValue
                                  : TagScan::Ending::InStartTag;
            scan.openTagStart = at;
            scan.openTagName = tagName;
            scan.openTagSlash = lastSignificant == '/';
            return scan;
        }
        const bool selfClosed = !end && lastSignificant == '/';
        scan.tags.push_back({end          ? TagEvent::Kind::End
                             : selfClosed ? TagEvent::Kind::SelfClosed
                                          : TagEvent::Kind::Start,
                             at, close + 1, tagName});
        at = close + 1;
        const std::string key = lowered(tagName);
        if (!xml && !end && !selfClosed && isRawTextElement(key)) {
            const auto rawEnd = rawTextEnd(text, at, key);
            if (!rawEnd) {
                scan.ending = TagScan::Ending::Elsewhere;
                return scan;
            }
            at = *rawEnd;
        }
    }
    return scan;
}

} // namespace editor
